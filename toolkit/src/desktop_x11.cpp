// The X11 desktop: out of the task bar by the window states the window managers read; Liberation
// Sans, the dialog font's stand-in that the scripts and the package install.
#include <toolkit/desktop.hpp>
#include <toolkit/x11.hpp>

#include "desktop_native.hpp"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <cstdlib>
#include <cstring>

namespace toolkit {

namespace x11 {
xcb_connection_t* connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}
} // namespace x11

struct Desktop::Native {};

Desktop::Desktop(QObject* parent) : QObject(parent) {}

Desktop::~Desktop() = default;

void Desktop::skipTaskBar(QWidget* window)
{
    xcb_connection_t* connection = x11::connection();
    if (!connection)
        return; // another platform of the same build (offscreen, Wayland)
    const xcb_atom_t states[] = {x11::atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                 x11::atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    // Qt keeps a state set before the window is mapped and adds its own to it.
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window->winId()),
                        x11::atom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2, states);
    xcb_flush(connection);
}

QStringList native::dialogFontFamilies()
{
    // No Microsoft Sans Serif on a Linux desktop: asking for it first cost every start the
    // search for a family that is not there.
    return {QStringLiteral("Liberation Sans")};
}

QFont::HintingPreference native::dialogFontHinting()
{
    // Fitted to the pixels both ways, as Windows draws its dialog fonts: crisper at the small
    // size than the desktop's usual slight hinting, and cheaper to start, since Liberation Sans
    // carries the hints itself and nothing has to be worked out per glyph.
    return QFont::PreferFullHinting;
}

} // namespace toolkit
