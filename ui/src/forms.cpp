// The program's windows and how each is opened.
#include <ui/forms.hpp>

#include <ui/calibration_window.hpp>
#include <ui/help_window.hpp>
#include <ui/main_window.hpp>
#include <ui/picture_window.hpp>

namespace ui {

using quorvant::CalibrationMethod;
using quorvant::Mode;

Forms& forms()
{
    static Forms instance;
    return instance;
}

void openMain() { forms().main.open(forms().record); }
void openCalLx()
{
    forms().calLx.open(CalibrationMethod::SeriesInductor, forms().record, forms().main.get());
}
void openCalCx()
{
    forms().calCx.open(CalibrationMethod::ParallelCapacitor, forms().record, forms().main.get());
}
void openHelp() { forms().help.open(); }
void openLxImage() { forms().lxImage.open(Mode::LxSeries); }
void openCxCImage() { forms().cxcImage.open(Mode::CxParallel); }
void openCxLImage() { forms().cxlImage.open(Mode::LxParallel); }

} // namespace ui
