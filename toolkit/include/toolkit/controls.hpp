// The controls the windows are built from, and the one way they are made: named and placed in
// twips by make<>().
#pragma once

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <toolkit/geometry.hpp>
#include <toolkit/picture.hpp>

#include <initializer_list>
#include <utility>

namespace toolkit {

// A label whose carriage returns start new lines.
class Label : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY(Label)

public:
    Label(QWidget* parent, const char* caption);
    void setCaption(const QString& caption);
};

// A push button. No button of the program is a default button: Enter in a field presses none.
class Button : public QPushButton {
    Q_OBJECT
    Q_DISABLE_COPY(Button)

public:
    Button(QWidget* parent, const char* caption);
};

// Whether the user types into a text field, or it only shows what the program writes.
enum class FieldInput { Typed, DisplayOnly };

// A single-line text field; a display-only one is written by the program and read-only for the
// user, but still reachable by the keyboard. Reached by Tab it selects its text, as any text field
// does, but only once its focus has been announced: a screen reader that hears of the selection
// first takes the field as already focused and never says which field it is.
class TextField : public QLineEdit {
    Q_OBJECT
    Q_DISABLE_COPY(TextField)

public:
    explicit TextField(QWidget* parent, FieldInput input = FieldInput::Typed);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

// Whether the user may type into a list as well as choose one of its items.
enum class ListInput { ChooseOnly, ChooseOrType };

// A drop-down list. clicked() is its click event: raised by the user's choice, also of the item
// already shown, and by selecting an item from code.
class ComboBox : public QComboBox {
    Q_OBJECT
    Q_DISABLE_COPY(ComboBox)

public:
    ComboBox(QWidget* parent, const QStringList& items, ListInput input);
    // Selects the item with this text, as a user's choice would.
    void selectText(const QString& text);

signals:
    void clicked();
};

// An etched rectangle without caption holding other controls.
class Frame : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY(Frame)

public:
    explicit Frame(QWidget* parent);
};

// Draws a picture (see Picture) scaled to fill its rectangle, each axis by its own factor.
class ImageArea : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(ImageArea)

public:
    ImageArea(QWidget* parent, const QString& picture);
    QSize pictureSize() const { return picture_.defaultSize(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture picture_;
};

// Names a list for screen readers. Qt on Linux reports a list's current item as its name, so the
// words go into the description as well.
void nameList(QComboBox* list, const QString& name);

// The Tab key's order through a window's controls, first to last.
void setTabOrder(std::initializer_list<QWidget*> order);

// Makes a control of type C, giving `args` to its constructor after the parent, names it and
// places it at `at` inside its parent.
template <class C, class... Args>
C* make(QWidget* parent, const char* name, Twips at, Args&&... args)
{
    auto* control = new C(parent, std::forward<Args>(args)...);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(at.inPixels());
    return control;
}

} // namespace toolkit
