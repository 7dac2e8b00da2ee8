#pragma once

#include <QImage>

// Quarter turns of a sticker picture. A source pixel (x, y) of a w x h picture lands at
// (h - 1 - y, x) of the h x w result: a turn clockwise on the screen.
namespace sticker_rotation {

// The picture turned a quarter clockwise. 32-bit formats are kept; others (an indexed GIF, for
// one) come back as ARGB32 so that transparency survives. A null picture stays null.
QImage turnedClockwise(const QImage& source);

// Turns the picture held by `surface` a quarter clockwise, the surface being both source and
// destination: a square 32-bit picture is turned in place, four pixels at a time, so nothing is
// overwritten before it has been read.
void turnClockwiseInPlace(QImage& surface);

}  // namespace sticker_rotation
