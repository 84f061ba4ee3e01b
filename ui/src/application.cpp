// Application-wide settings and the program's life.
#include <ui/application.hpp>

#include <ui/calibration_window.hpp>
#include <ui/forms.hpp>
#include <ui/help_window.hpp>
#include <ui/main_window.hpp>
#include <ui/picture_window.hpp>

#include <toolkit/accessibility.hpp>
#include <toolkit/platform.hpp>
#include <toolkit/registry.hpp>
#include <toolkit/termination.hpp>

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace ui {

int run(int argc, char* argv[], const std::function<void()>& started)
{
    toolkit::choosePlatform();
    QApplication app(argc, argv);
    setUpApplication(app);
    connectLifetime(app);
    openMain();
    if (started)
        started();
    return QApplication::exec();
}

void setUpApplication(QApplication&)
{
    QApplication::setApplicationName(QStringLiteral("Quorvant"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVANT_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("keltsby.example"));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVANT_APP_ID));

    QIcon icon(QStringLiteral(":/icon.svg"));
    icon.addFile(QStringLiteral(":/icon32.png"), QSize(32, 32));
    QApplication::setWindowIcon(icon);

    // The layouts were measured for a small dialog font; every caption has to fit its rectangle.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);

    toolkit::installAccessibility();
}

void connectLifetime(QApplication& app)
{
    // Qt counts only some kinds of window; the registry counts them all.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&toolkit::Registry::instance(), &toolkit::Registry::lastWindowClosed, &app,
                     &QApplication::quit);
    toolkit::onTerminationRequest(closeAllForTermination);
}

void closeAllForTermination()
{
    Forms& f = forms();
    f.main.close(toolkit::CloseFromTaskManager);
    f.calLx.close(toolkit::CloseFromTaskManager);
    f.calCx.close(toolkit::CloseFromTaskManager);
    f.help.close(toolkit::CloseFromTaskManager);
    f.lxImage.close(toolkit::CloseFromTaskManager);
    f.cxcImage.close(toolkit::CloseFromTaskManager);
    f.cxlImage.close(toolkit::CloseFromTaskManager);
}

} // namespace ui
