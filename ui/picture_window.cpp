// The three circuit picture windows: built alike, they differ in caption, sizes and picture.
#include "picture_window.hpp"

#include <quorvant/measurement.hpp>
#include <toolkit/controls.hpp>
#include <toolkit/text.hpp>

namespace ui {

namespace {
struct Layout {
    const char* name;
    std::string_view caption;
    int clientWidth, clientHeight; // twips
    int left, top;                 // client area on screen, twips
    int frameWidth, frameHeight;
    int imageWidth, imageHeight;
    const char* resource;
};

const Layout& layoutOf(Picture picture)
{
    static const Layout layouts[] = {
        {"Lx_Image", quorvant::modeLxSeries, 4485, 3600, 7050, 5325, 4215, 3375, 3975, 3015,
         ":/lx.svg"},
        {"CxC_Image", quorvant::modeCxParallel, 5550, 3105, 2550, 4830, 5295, 2895, 5055, 2535,
         ":/cxc.svg"},
        {"CxL_Image", quorvant::modeLxParallel, 5430, 3240, 2550, 4830, 5175, 3015, 4935, 2655,
         ":/cxl.svg"},
    };
    return layouts[static_cast<int>(picture)];
}
} // namespace

PictureWindow::PictureWindow(Picture picture)
    : Window(toolkit::qtText(layoutOf(picture).caption),
             {layoutOf(picture).clientWidth, layoutOf(picture).clientHeight},
             toolkit::TitleBar::Plain),
      picture_(picture)
{
    const Layout& layout = layoutOf(picture);
    setObjectName(QString::fromLatin1(layout.name));
    auto* frame = new toolkit::Frame(client());
    toolkit::place(frame, "Frame1", 120, 120, layout.frameWidth, layout.frameHeight);
    auto* image = new toolkit::ImageArea(frame, QString::fromLatin1(layout.resource));
    toolkit::place(image, "Image1", 120, 240, layout.imageWidth, layout.imageHeight);
}

void PictureWindow::startUp() { Form_Load(); }

void PictureWindow::Form_Load()
{
    const Layout& layout = layoutOf(picture_);
    placeClientAt(layout.left, layout.top);
    showNonModal();
}

} // namespace ui
