// Out of the task bar on X11: the window states the window managers read.
#include <toolkit/desktop.hpp>
#include <toolkit/x11.hpp>

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

} // namespace toolkit
