#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <Qt>

// Freehand drawing on the canvas picture, in picture pixels.
namespace pen_stroke {

// Where a segment from `last` ends for the modifier keys of this event: Shift keeps the last
// point's height (a horizontal segment), otherwise Ctrl keeps its column (a vertical one).
QPoint strokeEnd(QPoint last, QPoint pointer, Qt::KeyboardModifiers modifiers);

// Draws a solid segment `width` pixels wide with round ends: a round pen stamped along the
// line. Every pixel it touches gets exactly `colour` (no smoothing), so a fill bounded by that
// colour stops at the line; a line one pixel wide leaves no 4-connected gap. A segment from a
// point to itself leaves a dot. What falls outside the picture is dropped.
void drawSegment(QImage& image, QPoint from, QPoint to, const QColor& colour, int width);

}  // namespace pen_stroke
