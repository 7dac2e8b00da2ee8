#pragma once

#include <QCursor>
#include <QPixmap>

// The canvas's two mouse pointers, 32 x 32 pixels: a pen whose tip is the hot spot at (0, 13)
// for drawing, and a pouring bucket with the hot spot at (12, 9) for the fill.
namespace tool_cursors {

constexpr QPoint kPenHotSpot{0, 13};
constexpr QPoint kBucketHotSpot{12, 9};

QPixmap penPicture();
QPixmap bucketPicture();
QCursor pen();
QCursor bucket();

}  // namespace tool_cursors
