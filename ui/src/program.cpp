// The program's windows, how each is opened, and how their signals reach one another.
#include <ui/program.hpp>

#include <ui/calibration_window.hpp>
#include <ui/help_window.hpp>
#include <ui/main_window.hpp>
#include <ui/picture_window.hpp>

#include <toolkit/termination.hpp>

namespace ui {

using quorvant::CalibrationMethod;
using quorvant::Mode;

Program::Program()
{
    connect(&desktop_, &toolkit::Desktop::lastWindowClosed, this, &Program::lastWindowClosed);
    toolkit::onTerminationRequest(this,
                                  [this] { closeAll(toolkit::CloseReason::FromTaskManager); });
}

Program::~Program()
{
    // The windows go with their places, below; the program is not ending for that.
    desktop_.disconnect(this);
}

// The mode's picture, and no other.
void Program::showPictureOf(Mode mode)
{
    for (Mode other : quorvant::modes)
        if (other != mode)
            pictures_[static_cast<std::size_t>(other)].close();
    pictures_[static_cast<std::size_t>(mode)].open(desktop_, mode);
}

void Program::closePictures()
{
    for (auto& picture : pictures_)
        picture.close();
}

// The calibration window of a mode: it hands its results to Main and gives Main back.
void Program::openCalibration(Mode mode)
{
    const CalibrationMethod method = quorvant::calibrationMethod(mode);
    // Asked for by Main, which is open while it waits.
    MainWindow* main = main_.get();
    auto connectToMain = [main](CalibrationWindow* calibration) {
        QObject::connect(calibration, &CalibrationWindow::returned, main,
                         &MainWindow::showCalibration);
        // Every way out, "Return" included, ends here.
        QObject::connect(calibration, &CalibrationWindow::leaving, main,
                         &MainWindow::resumeAfterCalibration);
    };
    (method == CalibrationMethod::SeriesInductor ? calLx_ : calCx_)
        .openWith(connectToMain, desktop_, method, record_, main);
}

void Program::closeAll(toolkit::CloseReason reason)
{
    main_.close(reason);
    calLx_.close(reason);
    calCx_.close(reason);
    help_.close(reason);
    for (auto& picture : pictures_)
        picture.close(reason);
}

void Program::openMain()
{
    main_.openWith(
        [this](MainWindow* main) {
            connect(main, &MainWindow::modeChosen, this, &Program::showPictureOf);
            connect(main, &MainWindow::calibrationRequested, this, &Program::openCalibration);
            connect(main, &MainWindow::aboutRequested, this, &Program::openHelp);
            connect(main, &MainWindow::closingFromOutside, this, &Program::closePictures);
        },
        desktop_, record_);
}

MainWindow* Program::mainWindow() const { return main_.get(); }

void Program::openHelp() { help_.open(desktop_); }

} // namespace ui
