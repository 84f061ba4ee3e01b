// Application-wide settings and the program's life.
#include <ui/application.hpp>

#include <ui/identity.hpp>

#include <ui/main_window.hpp>
#include <ui/program.hpp>

#include <toolkit/accessibility.hpp>
#include <toolkit/desktop.hpp>
#include <toolkit/picture.hpp>
#include <toolkit/platform.hpp>

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QProxyStyle>
#include <QTimer>

#include "icon32.xpm"

namespace ui {

namespace {
// The icon at every size: the 32-pixel picture is on every window from the start; the scalable
// one, for larger sizes and high-DPI screens, joins it once Main is on screen, since loading it
// (an image plug-in) would hold back the first paint for no visible gain.
class ScalableIconAfterFirstPaint : public QObject {
public:
    explicit ScalableIconAfterFirstPaint(QWidget* main) : QObject(main)
    {
        main->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                addScalableIcon();
                deleteLater();
            });
        }
        return false;
    }
};
// The menu bar's overflow button takes its icon from the style when the menu bar is made, which
// reads image files through Qt's image plug-ins before anything is on screen. Main's menu bar
// has one item and never overflows: the button is never shown, so it gets no icon.
class ProgramStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override
    {
        if (icon == SP_ToolBarHorizontalExtensionButton)
            return {};
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};
} // namespace

void addScalableIcon()
{
    // The scalable icon, with the hand-drawn picture for exactly 32 pixels.
    QApplication::setWindowIcon(
        toolkit::scalableIcon(QStringLiteral(":/icon"), QPixmap(icon32_xpm)));
}

int run(int argc, char* argv[], const std::function<void()>& started)
{
    toolkit::choosePlatform();
    QApplication app(argc, argv);
    setUpApplication();
    // Gone before the application, with every window that is still open.
    Program program;
    // Qt 6 does not count a window with a transient parent towards quitOnLastWindowClosed: here
    // the calibration windows, owned by Main, and on Windows the picture windows under their
    // hidden owner. The program counts every open window and ends with the last.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&program, &Program::lastWindowClosed, &app, &QApplication::quit);
    program.openMain();
    if (QWidget* main = program.mainWindow())
        new ScalableIconAfterFirstPaint(main);
    if (started)
        started();
    return QApplication::exec();
}

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Quorvant"));
    QApplication::setApplicationVersion(version);
    QApplication::setOrganizationDomain(domain);
    QGuiApplication::setDesktopFileName(appId);

    QApplication::setWindowIcon(QIcon(QPixmap(icon32_xpm)));
    QApplication::setStyle(new ProgramStyle);

    // The layouts were measured for a small dialog font; every caption has to fit its rectangle.
    QApplication::setFont(toolkit::dialogFont(8));

    toolkit::installAccessibility();
}

} // namespace ui
