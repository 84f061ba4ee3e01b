// The program as one object: the calibration record the windows share, its seven windows, each of
// which exists at most once, and the one place where the windows are tied together: a window
// reaches another only by its signals, connected here as it opens.
#pragma once

#include <quorvant/measurement.hpp>
#include <quorvant/record.hpp>
#include <toolkit/desktop.hpp>
#include <toolkit/single_instance.hpp>

#include <QObject>

#include <array>
#include <iterator>

namespace ui {

class MainWindow;
class CalibrationWindow;
class PictureWindow;
class HelpWindow;

class Program : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(Program)

public:
    // Nothing is open yet. A termination request closes every window from now on.
    Program();
    // Whatever is still open goes at once, without being asked.
    ~Program() override;

    // The windows the program opens on its own or on the user's word; the others open from Main.
    void openMain();
    void openHelp();

    // Closes every open window for `reason`, Main first.
    void closeAll(toolkit::CloseReason reason);

    // All zero at start, written by the calibration windows only.
    quorvant::CalibrationRecord& record() { return record_; }
    MainWindow* mainWindow() const;

signals:
    // The last open window is gone, whatever kind of window it was: the program is to end.
    void lastWindowClosed();

private:
    void showPictureOf(quorvant::Mode mode);
    void closePictures();
    void openCalibration(quorvant::Mode mode);

    quorvant::CalibrationRecord record_;
    // Declared before the windows, which it counts, so that it outlives them.
    toolkit::Desktop desktop_;

    toolkit::SingleInstance<MainWindow> main_;
    toolkit::SingleInstance<CalibrationWindow> calLx_;
    toolkit::SingleInstance<CalibrationWindow> calCx_;
    toolkit::SingleInstance<HelpWindow> help_;
    // The picture of each mode, in the order of `quorvant::modes`: CxC_Image, CxL_Image, Lx_Image.
    std::array<toolkit::SingleInstance<PictureWindow>, std::size(quorvant::modes)> pictures_;
};

} // namespace ui
