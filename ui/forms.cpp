// The program's windows and how each is opened.
#include "forms.hpp"

#include "calibration_window.hpp"
#include "help_window.hpp"
#include "main_window.hpp"
#include "picture_window.hpp"

namespace ui {

Forms& forms()
{
    static Forms instance;
    return instance;
}

void openMain() { forms().main.open(); }
void openCalLx() { forms().calLx.open(quorvant::CalibrationMethod::SeriesInductor); }
void openCalCx() { forms().calCx.open(quorvant::CalibrationMethod::ParallelCapacitor); }
void openHelp() { forms().help.open(); }
void openLxImage() { forms().lxImage.open(Picture::LxSeries); }
void openCxCImage() { forms().cxcImage.open(Picture::CxParallel); }
void openCxLImage() { forms().cxlImage.open(Picture::LxParallel); }

} // namespace ui
