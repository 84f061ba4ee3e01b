// What every window test needs: the program's application settings, a catcher for modal boxes
// so that no test hangs on one, and starting and ending the program between test functions.
#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTest>

#include <functional>
#include <memory>
#include <source_location>

// From Qt 6.7 on, Qt Test's QTRY_ macros keep their timeout's milliseconds (a long) in an int
// inside the macro, which -Wconversion reports in the test that uses them. Every test that waits
// with them includes this header; the rest of the warning set stays on.
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0) && defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wconversion"
#endif

class QLineEdit;
class QWidget;

namespace ui {
class Program;
}

namespace harness {

struct Box {
    QString title;
    QString text; // as the box displays it
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool iconDrawn = false; // the style gave the icon a picture: the user sees it
    int buttons = 0;
    Qt::WindowModality modality = Qt::NonModal; // a warning holds up the whole program
};

// Dismisses every modal box as soon as it is up and remembers what it said. A test takes the
// boxes it expects; cleanup() fails on any left over.
class BoxCatcher : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(BoxCatcher)

public:
    BoxCatcher();
    static BoxCatcher& instance();
    QList<Box> take();
    // Runs once on the next box, before it is dismissed.
    void inspectNext(std::function<void(QMessageBox*)> inspector)
    {
        inspector_ = std::move(inspector);
    }

private:
    void poll();
    QList<Box> boxes_;
    std::function<void(QMessageBox*)> inspector_;
    bool polling_ = false;
};

// The three modes, as Main's list names them. Written out here, not taken from the program, so
// that a misspelt mode in the program fails.
inline const QString lx = QStringLiteral("Lx Mode (Calculate L)");
inline const QString cxc = QStringLiteral("Cx Mode (Calculate C)");
inline const QString cxl = QStringLiteral("Cx Mode (Calculate L)");

// The warning of a number out of range, as its box shows it.
inline const QString outOfRange =
    QStringLiteral("Number out of range! No correct value!\n\n - Check the values you entered.");

// Whether a test function starts with Main open, or opens it itself.
enum class Start { WithMain, Empty };

// The fixture of every window test: each test function gets a program of its own, with Main open
// and active (unless the test starts it itself) and the C locale, and fails on any box the test
// did not take.
class WindowTest : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(WindowTest)

public:
    explicit WindowTest(Start start = Start::WithMain);
    ~WindowTest() override;

protected:
    ui::Program& program() { return *program_; }
    // Drops the program with whatever it has open and makes a new one, nothing open.
    void freshProgram();
    // Opens the main window as the program does and waits until it is on screen and active.
    QWidget* startProgram();

private slots:
    void init();
    void cleanup();

private:
    Start start_;
    std::unique_ptr<ui::Program> program_;
};

QWidget* window(const char* name); // an open top-level window by name, or nullptr
QStringList openWindows();         // names of the open top-level windows, sorted
template <class T> T* child(const char* windowName, const char* childName)
{
    QWidget* w = window(windowName);
    return w ? w->findChild<T*>(QString::fromLatin1(childName)) : nullptr;
}
QString text(const char* windowName, const char* field); // a text field's or a list's text
// The texts of some of a window's fields and lists, named with blanks between ("Text1 Combo2").
QStringList texts(const char* windowName, const QString& fields);

// Picks an item of a list as the user does: with the keyboard on the focused list.
void pick(const char* windowName, const char* list, const QString& item,
          std::source_location at = std::source_location::current());
// Types into a text field, or into the text of an editable list.
void type(const char* windowName, const char* field, const QString& text,
          std::source_location at = std::source_location::current());
void click(const char* windowName, const char* button,
           std::source_location at = std::source_location::current());
// Each of these three fails the test at the caller's line when the window, the control or the
// item is not there: a misspelt name must not pass for a control that did nothing.

// Opens a window from Main as the user does and returns it: "Help" by the menu item, "Cal_Lx" by
// "Calibrate" in the Lx mode, "Cal_Cx" by "Calibrate" in the Cx mode Main shows (else the first);
// "Main" is the open Main. Fails the test at the caller's line when the window does not open.
QWidget* openFromMain(const char* name, std::source_location at = std::source_location::current());

// Brings a window to the front and waits until it is active.
bool activate(QWidget* window);

} // namespace harness

// Creates the application with the program's settings and runs one test class.
#define QUORVANT_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        harness::prepareEnvironment();                                                             \
        QApplication app(argc, argv);                                                              \
        harness::initApplication();                                                                \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

namespace harness {
void prepareEnvironment(); // before the application exists
void initApplication();    // once the application exists
} // namespace harness
