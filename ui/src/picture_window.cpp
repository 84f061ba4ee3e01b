// The three circuit picture windows: built alike, they differ in caption, sizes and picture.
#include <ui/picture_window.hpp>

#include <toolkit/accessibility.hpp>
#include <toolkit/controls.hpp>
#include <toolkit/text.hpp>

#include <quorvant/enum_table.hpp>

#include <QPoint>
#include <QSize>

#include <iterator>

namespace ui {

namespace {
struct Layout {
    quorvant::Mode mode;
    const char* name;
    QSize client; // twips, as every length below
    QPoint at;    // the client area's place on the screen
    QSize frame, image;
    const char* resource;
    const char* wiring; // the picture in words, for screen readers
};

using quorvant::Mode;

// Read by a mode's value, in the order of the modes, which is checked below.
constexpr Layout layouts[] = {
    {.mode = Mode::CxParallel,
     .name = "CxC_Image",
     .client = {5550, 3105},
     .at = {2550, 4830},
     .frame = {5295, 2895},
     .image = {5055, 2535},
     .resource = ":/cxc",
     .wiring = "The unknown capacitor Cx goes from switch terminal B to ground. Switched to B, Cx "
               "is in parallel with the oscillator's coil L1 and capacitor C1; in the drawn "
               "position, on terminal A, the switch is open."},
    {.mode = Mode::LxParallel,
     .name = "CxL_Image",
     .client = {5430, 3240},
     .at = {2550, 4830},
     .frame = {5175, 3015},
     .image = {4935, 2655},
     .resource = ":/cxl",
     .wiring = "The unknown inductor Lx goes from switch terminal B to ground. Switched to B, Lx "
               "is in parallel with the oscillator's coil L1 and capacitor C1; in the drawn "
               "position, on terminal A, the switch is open."},
    {.mode = Mode::LxSeries,
     .name = "Lx_Image",
     .client = {4485, 3600},
     .at = {7050, 5325},
     .frame = {4215, 3375},
     .image = {3975, 3015},
     .resource = ":/lx",
     .wiring = "The unknown inductor Lx goes from switch terminal B to ground. Switched to B, Lx "
               "is in series between the oscillator's coil L1 and ground; in the drawn position, "
               "on terminal A, L1 goes straight to ground. C1 and the oscillator hang from the "
               "other end of L1."},
};

static_assert(std::size(layouts) == std::size(quorvant::modes) &&
              quorvant::inEnumOrder(layouts, [](const Layout& row) { return row.mode; }));

const Layout& layoutOf(Mode mode) { return layouts[static_cast<std::size_t>(mode)]; }
} // namespace

PictureWindow::PictureWindow(toolkit::Desktop& desktop, quorvant::Mode mode)
    : Window(desktop, toolkit::qtText(quorvant::modeName(mode)), layoutOf(mode).client,
             toolkit::Style::Plain),
      mode_(mode)
{
    const Layout& layout = layoutOf(mode);
    setObjectName(QString::fromLatin1(layout.name));
    auto* frame = toolkit::make<toolkit::Frame>(
        client(), "Frame1", {120, 120, layout.frame.width(), layout.frame.height()});
    auto* image = toolkit::make<toolkit::ImageArea>(
        frame, "Image1", {120, 240, layout.image.width(), layout.image.height()},
        QString::fromLatin1(layout.resource));
    image->setAccessibleName(QStringLiteral("Wiring diagram"));
    image->setAccessibleDescription(QString::fromLatin1(layout.wiring));
}

void PictureWindow::startUp() { Form_Load(); }

void PictureWindow::Form_Load()
{
    const Layout& layout = layoutOf(mode_);
    placeClientAt(layout.at.x(), layout.at.y());
    showNonModal();
    toolkit::announce(this, windowTitle() + QStringLiteral(" wiring diagram. ") +
                                QString::fromLatin1(layout.wiring));
}

} // namespace ui
