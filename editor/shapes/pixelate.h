#pragma once

#include <QImage>
#include <QRect>

// Hides what is in an area of the picture behind blocks of one colour each.
namespace pixelate {

constexpr int kBlock = 8;  // pixels a side

// Cuts `area` (clipped to the picture) into blocks `block` pixels a side from its top-left
// corner and paints each block the average colour of its pixels, rounded to the nearest; a
// block cut by the area's right or bottom edge averages the pixels it has. Blocks are 1 to 16
// pixels a side. 32-bit pictures are changed in place; others are converted to 32 bits first.
void apply(QImage& image, const QRect& area, int block = kBlock);

}  // namespace pixelate
