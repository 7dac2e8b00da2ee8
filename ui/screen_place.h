#pragma once

#include <QRect>

class QWidget;

// Windows placed on the screens as they are: several monitors, one of them unplugged since a
// place was stored. A window's outer size is window_metrics' (client plus border allowance).
namespace screen_place {

// A window that lies on no screen comes back onto the nearest one, keeping its size.
void bringBack(QWidget* window);

// The window centred on `area` (logical pixels), made smaller where it does not fit.
void centreInside(QWidget* window, const QRect& area);

// The window kept inside the free part of the screen nearest to it, made smaller where it does
// not fit.
void keepInside(QWidget* window);

// Where the desktop does not tell programs where their windows are (Wayland), a window's
// position cannot be stored: a message says so (the position stored for X11 sessions stays)
// and the answer is true.
bool positionUnknown(QWidget* window);

}  // namespace screen_place
