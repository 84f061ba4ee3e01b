// The program's seven windows, each of which exists at most once, the calibration record they
// share, and the one place where the windows are tied together: a window reaches another only by
// its signals, connected here as it opens.
#pragma once

#include <quorvant/record.hpp>
#include <toolkit/registry.hpp>

namespace ui {

class MainWindow;
class CalibrationWindow;
class PictureWindow;
class HelpWindow;

struct Forms {
    // The one program-wide record: all zero at start, written by the calibration windows only.
    quorvant::CalibrationRecord record;

    toolkit::SingleInstance<MainWindow> main;
    toolkit::SingleInstance<CalibrationWindow> calLx;
    toolkit::SingleInstance<CalibrationWindow> calCx;
    toolkit::SingleInstance<HelpWindow> help;
    toolkit::SingleInstance<PictureWindow> lxImage;
    toolkit::SingleInstance<PictureWindow> cxcImage;
    toolkit::SingleInstance<PictureWindow> cxlImage;

    // Closes every open window for `reason`, Main first.
    void closeAll(toolkit::CloseReason reason);
};

Forms& forms();

// Opening the windows the program opens on its own or on the user's word; the others open from
// Main.
void openMain();
void openHelp();

} // namespace ui
