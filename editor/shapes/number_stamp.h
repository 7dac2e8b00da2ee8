#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

// The number tool's stamp: a filled disc of the stroke colour with a number in its middle.
namespace number_stamp {

// 22 pixels across at pen width 1, 4 more for every step.
int diameter(int penWidth);
// Where the stamp clicked at `centre` lies: the disc's middle pixel is `centre` (for an even
// diameter, the pixel just above and left of the middle).
QRect area(QPoint centre, int penWidth);
// White on dark discs, black on light ones.
QColor numberColour(const QColor& disc);

// The stamp on a transparent background, as large as area().
QImage picture(int number, const QColor& colour, int penWidth);
// Paints the stamp into the picture.
void stamp(QImage& image, QPoint centre, int number, const QColor& colour, int penWidth);

}  // namespace number_stamp
