// The program's windows, how each is opened, and how their signals reach one another.
#include <ui/forms.hpp>

#include <ui/calibration_window.hpp>
#include <ui/help_window.hpp>
#include <ui/main_window.hpp>
#include <ui/picture_window.hpp>

namespace ui {

using quorvant::CalibrationMethod;
using quorvant::Mode;

namespace {

toolkit::SingleInstance<PictureWindow>& pictureOf(Mode mode)
{
    Forms& f = forms();
    switch (mode) {
    case Mode::LxSeries: return f.lxImage;
    case Mode::CxParallel: return f.cxcImage;
    case Mode::LxParallel: return f.cxlImage;
    }
    return f.cxcImage;
}

// The mode's picture, and no other.
void showPictureOf(Mode mode)
{
    for (Mode other : quorvant::modes)
        if (other != mode)
            pictureOf(other).close();
    pictureOf(mode).open(mode);
}

void closePictures()
{
    for (Mode mode : quorvant::modes)
        pictureOf(mode).close();
}

// The calibration window of a mode: it hands its results to Main and gives Main back.
void openCalibration(Mode mode)
{
    Forms& f = forms();
    const bool series = mode == Mode::LxSeries;
    MainWindow* main = f.main.get();
    auto connectToMain = [main](CalibrationWindow* calibration) {
        if (!main)
            return;
        QObject::connect(calibration, &CalibrationWindow::returned, main,
                         &MainWindow::showCalibration);
        // Every way out, "Return" included, ends here.
        QObject::connect(calibration, &CalibrationWindow::leaving, main, [main] {
            main->setWindowEnabled(true);
            main->activateWindow();
        });
    };
    (series ? f.calLx : f.calCx)
        .openWith(connectToMain,
                  series ? CalibrationMethod::SeriesInductor : CalibrationMethod::ParallelCapacitor,
                  f.record, main);
}

} // namespace

Forms& forms()
{
    static Forms instance;
    return instance;
}

void Forms::closeAll(toolkit::CloseReason reason)
{
    main.close(reason);
    calLx.close(reason);
    calCx.close(reason);
    help.close(reason);
    lxImage.close(reason);
    cxcImage.close(reason);
    cxlImage.close(reason);
}

void openMain()
{
    Forms& f = forms();
    f.main.openWith(
        [](MainWindow* main) {
            QObject::connect(main, &MainWindow::modeChosen, main, &showPictureOf);
            QObject::connect(main, &MainWindow::calibrationRequested, main, &openCalibration);
            QObject::connect(main, &MainWindow::aboutRequested, main, &openHelp);
            QObject::connect(main, &MainWindow::closingByUser, main, &closePictures);
        },
        f.record);
}

void openHelp() { forms().help.open(); }

} // namespace ui
