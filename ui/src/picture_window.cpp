// The three circuit picture windows: built alike, they differ in caption, sizes and picture.
#include <ui/picture_window.hpp>

#include <toolkit/accessibility.hpp>
#include <toolkit/controls.hpp>
#include <toolkit/text.hpp>

#include <quorvant/enum_table.hpp>

#include <iterator>

namespace ui {

namespace {
struct Layout {
    quorvant::Mode mode;
    const char* name;
    int clientWidth, clientHeight; // twips
    int left, top;                 // client area on screen, twips
    int frameWidth, frameHeight;
    int imageWidth, imageHeight;
    const char* resource;
    const char* wiring; // the picture in words, for screen readers
};

using quorvant::Mode;

// Read by a mode's value, in the order of the modes, which is checked below.
constexpr Layout layouts[] = {
    {Mode::CxParallel, "CxC_Image", 5550, 3105, 2550, 4830, 5295, 2895, 5055, 2535, ":/cxc",
     "The unknown capacitor Cx goes from switch terminal B to ground. Switched to B, Cx is in "
     "parallel with the oscillator's coil L1 and capacitor C1; in the drawn position, on "
     "terminal A, the switch is open."},
    {Mode::LxParallel, "CxL_Image", 5430, 3240, 2550, 4830, 5175, 3015, 4935, 2655, ":/cxl",
     "The unknown inductor Lx goes from switch terminal B to ground. Switched to B, Lx is in "
     "parallel with the oscillator's coil L1 and capacitor C1; in the drawn position, on "
     "terminal A, the switch is open."},
    {Mode::LxSeries, "Lx_Image", 4485, 3600, 7050, 5325, 4215, 3375, 3975, 3015, ":/lx",
     "The unknown inductor Lx goes from switch terminal B to ground. Switched to B, Lx is in "
     "series between the oscillator's coil L1 and ground; in the drawn position, on terminal "
     "A, L1 goes straight to ground. C1 and the oscillator hang from the other end of L1."},
};

static_assert(std::size(layouts) == std::size(quorvant::modes) &&
              quorvant::inEnumOrder(layouts, [](const Layout& row) { return row.mode; }));

const Layout& layoutOf(Mode mode) { return layouts[static_cast<std::size_t>(mode)]; }
} // namespace

PictureWindow::PictureWindow(toolkit::Desktop& desktop, quorvant::Mode mode)
    : Window(desktop, toolkit::qtText(quorvant::modeName(mode)),
             {layoutOf(mode).clientWidth, layoutOf(mode).clientHeight}, toolkit::Style::Plain),
      mode_(mode)
{
    const Layout& layout = layoutOf(mode);
    setObjectName(QString::fromLatin1(layout.name));
    auto* frame = toolkit::make<toolkit::Frame>(client(), "Frame1",
                                                {120, 120, layout.frameWidth, layout.frameHeight});
    auto* image = toolkit::make<toolkit::ImageArea>(
        frame, "Image1", {120, 240, layout.imageWidth, layout.imageHeight},
        QString::fromLatin1(layout.resource));
    image->setAccessibleName(QStringLiteral("Wiring diagram"));
    image->setAccessibleDescription(QString::fromLatin1(layout.wiring));
}

void PictureWindow::startUp() { Form_Load(); }

void PictureWindow::Form_Load()
{
    const Layout& layout = layoutOf(mode_);
    placeClientAt(layout.left, layout.top);
    showNonModal();
    toolkit::announce(this, windowTitle() + QStringLiteral(" wiring diagram. ") +
                                QString::fromLatin1(layout.wiring));
}

} // namespace ui
