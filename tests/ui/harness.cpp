// The window-test harness.
#include "harness.hpp"
#include "quiet_offscreen.hpp"

#include <ui/application.hpp>
#include <ui/program.hpp>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdlib>

namespace harness {

WindowTest::WindowTest(Start start) : start_(start) {}

WindowTest::~WindowTest() = default;

void WindowTest::init()
{
    // Wraps Qt Test's own handler, which qExec installs after main() has set the application up.
    static const bool quiet = (support::quietOffscreen(), true);
    Q_UNUSED(quiet)
    freshProgram();
    if (start_ == Start::WithMain)
        QVERIFY(startProgram());
}

void WindowTest::cleanup()
{
    const QList<Box> left = BoxCatcher::instance().take();
    program_.reset();
    QVERIFY2(left.isEmpty(), qPrintable(QStringLiteral("unexpected box: ") +
                                        (left.isEmpty() ? QString() : left.first().text)));
}

void WindowTest::freshProgram()
{
    program_.reset();
    // Windows closed but not yet deleted go before the new program's first window.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    program_ = std::make_unique<ui::Program>();
    QLocale::setDefault(QLocale::c());
}

QWidget* WindowTest::startProgram()
{
    program_->openMain();
    QWidget* main = window("Main");
    if (!main || !QTest::qWaitForWindowExposed(main) || !activate(main))
        return nullptr;
    return main;
}

namespace {
// Records a failure of the running test function at the caller's line, with what was missing.
void missing(const char* what, const char* windowName, const QString& name,
             const std::source_location& at)
{
    const QString message =
        QStringLiteral("no %1 %2 in %3").arg(QLatin1String(what), name, QLatin1String(windowName));
    QTest::qFail(qPrintable(message), at.file_name(), static_cast<int>(at.line()));
}
} // namespace

BoxCatcher::BoxCatcher()
{
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &BoxCatcher::poll);
    timer->start(5);
}

BoxCatcher& BoxCatcher::instance()
{
    static BoxCatcher catcher;
    return catcher;
}

QList<Box> BoxCatcher::take() { return std::exchange(boxes_, {}); }

void BoxCatcher::poll()
{
    QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || polling_)
        return;
    Box seen{box->windowTitle(),
             box->text(),
             box->icon(),
             !box->iconPixmap().isNull(),
             static_cast<int>(box->buttons().size()),
             box->windowModality()};
    if (inspector_) {
        // The inspector may wait in an event loop of its own, where this timer fires again.
        polling_ = true;
        std::exchange(inspector_, {})(box);
        polling_ = false;
    }
    boxes_.append(seen);
    if (!box)
        return; // gone while it was inspected
    if (QAbstractButton* ok = box->button(QMessageBox::Ok))
        ok->click();
    else
        box->reject();
}

void prepareEnvironment()
{
    // A private runtime directory keeps Qt quiet on machines without a session; it goes with
    // the test program.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        static const QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/quorvant-test-XXXXXX"));
        if (dir.isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
    }
}

void initApplication()
{
    ui::setUpApplication();
    QApplication::setQuitOnLastWindowClosed(false);
    BoxCatcher::instance();
}

QWidget* window(const char* name)
{
    const QString wanted = QString::fromLatin1(name);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == wanted && w->isVisible())
            return w;
    return nullptr;
}

QStringList openWindows()
{
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !qobject_cast<QMessageBox*>(w) && !w->objectName().isEmpty())
            names << w->objectName();
    names.sort();
    return names;
}

QString text(const char* windowName, const char* field)
{
    if (auto* edit = child<QLineEdit>(windowName, field))
        return edit->text();
    if (auto* list = child<QComboBox>(windowName, field))
        return list->currentText();
    return QStringLiteral("<no %1 in %2>").arg(QLatin1String(field), QLatin1String(windowName));
}

QStringList texts(const char* windowName, const QString& fields)
{
    QStringList all;
    for (const QString& field : fields.split(QLatin1Char(' ')))
        all << text(windowName, qPrintable(field));
    return all;
}

void pick(const char* windowName, const char* list, const QString& item, std::source_location at)
{
    auto* combo = child<QComboBox>(windowName, list);
    if (!combo)
        return missing("list", windowName, QLatin1String(list), at);
    const int target = combo->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (target < 0)
        return missing("item", windowName, item, at);
    // Open the list, move to the item and press Enter, as the user does; choosing the item
    // already shown is a choice too.
    combo->setFocus(Qt::TabFocusReason);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    view->setCurrentIndex(combo->model()->index(target, combo->modelColumn()));
    QTest::keyClick(view, Qt::Key_Return);
}

void type(const char* windowName, const char* field, const QString& text, std::source_location at)
{
    auto* edit = child<QLineEdit>(windowName, field);
    if (auto* list = child<QComboBox>(windowName, field); !edit && list)
        edit = list->lineEdit();
    if (!edit)
        return missing("field", windowName, QLatin1String(field), at);
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void click(const char* windowName, const char* button, std::source_location at)
{
    auto* b = child<QAbstractButton>(windowName, button);
    if (!b)
        return missing("button", windowName, QLatin1String(button), at);
    QTest::mouseClick(b, Qt::LeftButton);
}

QWidget* openFromMain(const char* name, std::source_location at)
{
    const QString wanted = QString::fromLatin1(name);
    if (wanted == QLatin1String("Help")) {
        if (auto* about = child<QAction>("Main", "MnuAbout"))
            about->trigger(); // else Help does not open, and the test fails below
    } else if (wanted == QLatin1String("Cal_Lx")) {
        pick("Main", "Combo1", lx, at);
        click("Main", "Command3", at);
    } else if (wanted == QLatin1String("Cal_Cx")) {
        if (text("Main", "Combo1") == lx)
            pick("Main", "Combo1", cxc, at);
        click("Main", "Command3", at);
    }
    QWidget* opened = window(name);
    if (!opened)
        missing("window", "the program", wanted, at);
    return opened;
}

bool activate(QWidget* window)
{
    window->raise();
    window->activateWindow();
    // The application's active window at once, as a click into it makes it, not only when the
    // platform's answer arrives. Qt 6.5 deprecates the call for activateWindow(), which alone
    // leaves the focus widget unset here until then.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(window);
    QT_WARNING_POP
    return QTest::qWaitForWindowActive(window);
}

} // namespace harness
