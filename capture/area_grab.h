#pragma once

#include <QImage>
#include <QRect>

// Pictures of a screen area that may reach past the screen's edges. The picture always has the
// area's size; the part beyond the screen is black.
namespace area_grab {

// The area cut from a picture of the whole screen (screen pixel (0, 0) at the picture's (0, 0)).
QImage cut(const QImage& screen, const QRect& area);

// The area grabbed from the primary screen now. A null picture when the screen gave none.
QImage grab(const QRect& area, QSize screenPx);

}  // namespace area_grab
