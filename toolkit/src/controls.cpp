// The controls the windows are built from.
#include <toolkit/controls.hpp>

#include <toolkit/accessibility.hpp>
#include <toolkit/text.hpp>

#include <QCompleter>
#include <QFocusEvent>
#include <QPainter>
#include <QTimer>

namespace toolkit {

Label::Label(QWidget* parent, const char* caption) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setCaption(QString::fromLatin1(caption));
}

Button::Button(QWidget* parent, const char* caption)
    : QPushButton(QString::fromLatin1(caption), parent)
{
    setAutoDefault(false);
}

TextField::TextField(QWidget* parent, FieldInput input) : QLineEdit(parent)
{
    setReadOnly(input == FieldInput::DisplayOnly);
}

void Label::setCaption(const QString& caption) { setText(displayText(caption)); }

void TextField::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) {
        QLineEdit::focusInEvent(event);
        return;
    }
    QFocusEvent plain(event->type(), Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&plain);
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            selectAll();
    });
}

ComboBox::ComboBox(QWidget* parent, const QStringList& items, ListInput input) : QComboBox(parent)
{
    addItems(items);
    const bool typable = input == ListInput::ChooseOrType;
    setEditable(typable);
    if (typable) {
        // Typed text is a unit the calculation reads as it stands, never a new item of the list.
        setInsertPolicy(QComboBox::NoInsert);
        // No completion: "u" stays "u". A completer with nothing to offer is still needed, since
        // the list matches a typed text against its items on Enter with the completer's case
        // sensitivity, and would otherwise swap a typed "UH" for the item "uH".
        auto* completer = new QCompleter(QStringList(), this);
        completer->setCaseSensitivity(Qt::CaseSensitive);
        setCompleter(completer);
    }
    connect(this, &QComboBox::activated, this, &ComboBox::clicked);
    // Qt 6.4 tells screen readers of a new current item in a way Orca cannot read: an arrow key
    // on the focused list would change the unit in silence.
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (hasFocus())
            announce(window(), currentText());
    });
}

void ComboBox::selectText(const QString& text)
{
    const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return;
    setCurrentIndex(index);
    emit clicked();
}

Frame::Frame(QWidget* parent) : QFrame(parent) { setFrameStyle(QFrame::Box | QFrame::Sunken); }

ImageArea::ImageArea(QWidget* parent, const QString& picture) : QWidget(parent), picture_(picture)
{
}

void ImageArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    picture_.render(&painter, QRectF(rect()));
}

void nameList(QComboBox* list, const QString& name)
{
    list->setAccessibleName(name);
    list->setAccessibleDescription(name);
}

void setTabOrder(std::initializer_list<QWidget*> order)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace toolkit
