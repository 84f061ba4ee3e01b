// Accessible roles and spoken announcements.
//
// A new result appears in a field that does not have the focus, and Qt 6.4 has no call that
// makes a screen reader speak. Orca speaks a notification that becomes showing, so each window
// keeps a hidden notification (inside a hidden status bar, which keeps Orca from adding the word
// "notification") whose text is set and shown to the screen reader alone.
#include <toolkit/accessibility.hpp>

#include <toolkit/controls.hpp>
#include <toolkit/window.hpp>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace toolkit {

namespace {

class LiveBar : public QWidget {
public:
    explicit LiveBar(QWidget* parent) : QWidget(parent) { hide(); }
};

class LiveNote : public QWidget {
public:
    explicit LiveNote(QWidget* parent) : QWidget(parent), label_(new QLabel(this))
    {
        setObjectName(QStringLiteral("LiveNote"));
        hide();
        label_->setTextFormat(Qt::PlainText);
    }
    // Orca reads the label inside; a changed accessible name would reach it as an object
    // reference instead of text.
    void say(const QString& text) { label_->setText(text); }

private:
    QLabel* label_;
};

QAccessible::Role roleOf(QWidget* widget)
{
    if (auto* window = qobject_cast<Window*>(widget)) {
        const Style style = window->windowStyle();
        return style == Style::Main || style == Style::Plain ? QAccessible::Window
                                                             : QAccessible::Dialog;
    }
    if (qobject_cast<Frame*>(widget))
        return QAccessible::Grouping;
    if (qobject_cast<ImageArea*>(widget))
        return QAccessible::Graphic;
    if (dynamic_cast<LiveBar*>(widget))
        return QAccessible::StatusBar;
    if (dynamic_cast<LiveNote*>(widget))
        return QAccessible::Notification;
    return QAccessible::NoRole;
}

QAccessibleInterface* factory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    const QAccessible::Role role = roleOf(widget);
    return role == QAccessible::NoRole ? nullptr : new QAccessibleWidget(widget, role);
}

} // namespace

void installAccessibility() { QAccessible::installFactory(factory); }

void announce(QWidget* window, const QString& text)
{
    auto* note = dynamic_cast<LiveNote*>(window->findChild<QWidget*>(QStringLiteral("LiveNote")));
    if (!note)
        note = new LiveNote(new LiveBar(window));
    note->say(text);
    QAccessibleEvent shown(note, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace toolkit
