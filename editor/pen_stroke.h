#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <Qt>
#include <vector>

// Freehand drawing on the canvas picture, in picture pixels.
namespace pen_stroke {

// One row of the round pen: columns from `left` to `right` relative to the pen's point.
struct PenRow {
    int dy;
    int left;
    int right;
};

// A disc `width` pixels across, laid out so that the pen's point is its centre pixel (for an
// even width, the pixel just above and left of the centre). The shapes share it with the pen.
std::vector<PenRow> roundPen(int width);

// Visits the points of the line from `from` to `to`, both included (Bresenham's line: one step
// per pixel along the longer axis, so consecutive points touch at least corner to corner).
template <class Visit>
void walkLine(QPoint from, QPoint to, Visit&& visit) {
    int x = from.x(), y = from.y();
    const int dx = to.x() > x ? to.x() - x : x - to.x(), sx = x < to.x() ? 1 : -1;
    const int dy = to.y() > y ? y - to.y() : to.y() - y, sy = y < to.y() ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        visit(x, y);
        if (x == to.x() && y == to.y()) {
            break;
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// Where a segment from `last` ends for the modifier keys of this event: Shift keeps the last
// point's height (a horizontal segment), otherwise Ctrl keeps its column (a vertical one).
QPoint strokeEnd(QPoint last, QPoint pointer, Qt::KeyboardModifiers modifiers);

// Draws a solid segment `width` pixels wide with round ends: a round pen stamped along the
// line. Every pixel it touches gets exactly `colour` (no smoothing), so a fill bounded by that
// colour stops at the line; a line one pixel wide leaves no 4-connected gap. A segment from a
// point to itself leaves a dot. What falls outside the picture is dropped.
void drawSegment(QImage& image, QPoint from, QPoint to, const QColor& colour, int width);

}  // namespace pen_stroke
