// Application-wide settings and the program's life.
#include "application.hpp"

#include "calibration_window.hpp"
#include "forms.hpp"
#include "help_window.hpp"
#include "main_window.hpp"
#include "picture_window.hpp"

#include <toolkit/registry.hpp>
#include <toolkit/termination.hpp>

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace ui {

void setUpApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Quorvant"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setOrganizationDomain(QStringLiteral("keltsby.example"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.keltsby.Quorvant"));

    QIcon icon(QStringLiteral(":/icon.svg"));
    icon.addFile(QStringLiteral(":/icon32.png"), QSize(32, 32));
    QApplication::setWindowIcon(icon);

    // The layouts were measured for a small dialog font; every caption has to fit its rectangle.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    Q_UNUSED(app)
}

void connectLifetime(QApplication& app)
{
    // Picture and calibration windows are tool windows, which Qt would not count.
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
