// Lx_Image, CxC_Image, CxL_Image: the wiring of each measuring mode, beside the main window.
#pragma once

#include <toolkit/window.hpp>

namespace ui {

enum class Picture { LxSeries, CxParallel, LxParallel };

class PictureWindow : public toolkit::Window {
    Q_OBJECT
    Q_DISABLE_COPY(PictureWindow)

public:
    explicit PictureWindow(Picture picture);
    void startUp() override;

private:
    void Form_Load();

    Picture picture_;
};

} // namespace ui
