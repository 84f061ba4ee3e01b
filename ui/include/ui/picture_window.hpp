// Lx_Image, CxC_Image, CxL_Image: the wiring of each measuring mode, beside the main window.
#pragma once

#include <quorvant/measurement.hpp>
#include <toolkit/window.hpp>

namespace ui {

class PictureWindow : public toolkit::Window {
    Q_OBJECT
    Q_DISABLE_COPY(PictureWindow)

public:
    // The picture of how the part is wired for `mode`.
    PictureWindow(toolkit::Desktop& desktop, quorvant::Mode mode);
    void startUp() override;

private:
    void Form_Load();

    quorvant::Mode mode_;
};

} // namespace ui
