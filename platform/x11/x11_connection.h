#pragma once

#include <xcb/xcb.h>

// The program's own X connection (Qt's), for the X11 unit's requests.
namespace platform::x11 {

// Null when the program does not run on X11 (Wayland, another system).
xcb_connection_t* connection();
// The root window of the X screen Qt uses: the whole virtual desktop.
xcb_window_t root(xcb_connection_t* c);

}  // namespace platform::x11
