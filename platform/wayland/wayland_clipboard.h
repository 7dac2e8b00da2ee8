#pragma once

#include <QImage>
#include <QString>

namespace platform::wayland {

// Puts the picture on a Wayland desktop's clipboard. A program may set it there only while one
// of its windows has the keyboard focus, unless the desktop offers data control
// (wlr-data-control: sway and the other wlroots desktops, KDE Plasma): then the small helper
// lumacap-wayland-clipboard, started beside this program, takes the clipboard with the PNG
// and serves it, with every window hidden and after this program has ended, until another
// program takes the clipboard. Without data control the picture goes through Qt's clipboard,
// which works while a window of this program has the focus. False with the reason otherwise.
bool putImageOnClipboard(const QImage& image, QString* error);

}  // namespace platform::wayland
