// The X server the program's windows are on, for the window states Qt has no call for. Built only
// where the Qt build speaks X11.
#pragma once

#include <xcb/xcb.h>

namespace toolkit::x11 {

// The application's connection; nullptr when it runs on another platform.
xcb_connection_t* connection();

// The atom of `name`, XCB_ATOM_NONE when the server does not answer.
xcb_atom_t atom(xcb_connection_t* connection, const char* name);

} // namespace toolkit::x11
