// The controls the windows are built from, named and placed in twips.
#pragma once

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <toolkit/picture.hpp>

#include <initializer_list>

namespace toolkit {

// A label whose carriage returns start new lines. caption() gives the text as the program set it.
class Label : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY(Label)

public:
    explicit Label(QWidget* parent);
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }

private:
    QString caption_;
};

// A single-line text field. Reached by Tab it selects its text, as any text field does, but only
// once its focus has been announced: a screen reader that hears of the selection first takes the
// field as already focused and never says which field it is.
class TextField : public QLineEdit {
    Q_OBJECT
    Q_DISABLE_COPY(TextField)

public:
    explicit TextField(QWidget* parent) : QLineEdit(parent) {}

protected:
    void focusInEvent(QFocusEvent* event) override;
};

// Whether the user may type into a list as well as choose one of its items.
enum class ListInput { ChooseOnly, ChooseOrType };

// Whether the user types into a text field, or it only shows what the program writes.
enum class FieldInput { Typed, DisplayOnly };

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

// Names the widget and places it at (left, top, width, height) in twips inside its parent.
void place(QWidget* widget, const char* name, int left, int top, int width, int height);

// The Tab key's order through a window's controls, first to last.
void setTabOrder(std::initializer_list<QWidget*> order);

// A named label with its caption, placed in twips.
Label* makeLabel(QWidget* parent, const char* name, const char* caption, int left, int top,
                 int width, int height);

// A named push button, placed in twips. No button of the program is a default button.
QPushButton* makeButton(QWidget* parent, const char* name, const char* caption, int left, int top,
                        int width, int height);

// A single-line text field; a display-only one is written by the program and read-only for the
// user, but still reachable by the keyboard.
QLineEdit* makeTextField(QWidget* parent, FieldInput input = FieldInput::Typed);

} // namespace toolkit
