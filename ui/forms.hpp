// The program's seven windows, each of which exists at most once.
#pragma once

#include <toolkit/registry.hpp>

namespace ui {

class MainWindow;
class CalibrationWindow;
class PictureWindow;
class HelpWindow;

struct Forms {
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
