#pragma once

#include <xcb/xcb.h>

#include <QImage>
#include <QRect>

namespace platform::x11 {

// `part` of the root window (inside it, of `rootSize`) through MIT-SHM: an RGB32 picture of its
// size, or a null one when the server does not offer the extension here (a remote display, a
// server without it), and from then on.
QImage sharedGrab(xcb_connection_t* c, xcb_window_t root, QSize rootSize, const QRect& part);

}  // namespace platform::x11
