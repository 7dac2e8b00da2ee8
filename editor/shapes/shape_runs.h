#pragma once

#include <QPoint>
#include <QPolygonF>
#include <QRect>

#include "editor/shapes/pixel_runs.h"

// The shapes of the editor's drag tools as pixels, in picture pixels. Solid: no smoothing, so
// that every pixel has exactly the stroke colour and a fill bounded by that colour stops at the
// shape. A one-pixel outline touches corner to corner at least, which the 4-connected fill
// does not pass.
namespace shape_runs {

// The rectangle with corners `a` and `b`, both inside it (their rows and columns are its edges).
QRect dragRect(QPoint a, QPoint b);

// The outline of `r`, `width` pixels wide: the outermost ring runs exactly through r's edge
// rows and columns and wider pens grow inwards (a pen as wide as half the rectangle fills it).
PixelRuns rectangleOutline(const QRect& r, int width);

// The outline of the ellipse inscribed in `r` (touching its four edges), `width` pixels wide,
// growing inwards.
PixelRuns ellipseOutline(const QRect& r, int width);

// A line from `a` to `b` drawn with the round pen `width` pixels across, as the freehand pen
// draws a segment.
PixelRuns line(QPoint a, QPoint b, int width);

// A line from `a` to `b` with a filled head at `b`, its tip at `b`; the head grows with the pen
// width. From a point to itself, a dot.
PixelRuns arrow(QPoint a, QPoint b, int width);
// The head's length along the line and its width across, in pixels.
int arrowHeadLength(int width);
int arrowHeadWidth(int width);

// The pixels whose centres lie inside a convex polygon.
PixelRuns convexPolygon(const QPolygonF& polygon);

// A filled disc `diameter` pixels across whose bounding square starts at `topLeft`.
PixelRuns disc(QPoint topLeft, int diameter);

}  // namespace shape_runs
