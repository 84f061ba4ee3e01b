// The program's seven windows, each of which exists at most once, and the calibration record
// they share.
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

    toolkit::Slot<MainWindow> main;
    toolkit::Slot<CalibrationWindow> calLx;
    toolkit::Slot<CalibrationWindow> calCx;
    toolkit::Slot<HelpWindow> help;
    toolkit::Slot<PictureWindow> lxImage;
    toolkit::Slot<PictureWindow> cxcImage;
    toolkit::Slot<PictureWindow> cxlImage;
};

Forms& forms();

// Opening each window, as the rest of the program asks for it.
void openMain();
void openCalLx();
void openCalCx();
void openHelp();
void openLxImage();
void openCxCImage();
void openCxLImage();

} // namespace ui
