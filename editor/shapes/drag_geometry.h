#pragma once

#include <QPoint>
#include <QSize>

// Where a drag on the canvas ends, in picture pixels. A drag that leaves the picture is clipped
// to it: every point these give lies inside a picture of `picture` size.
namespace drag_geometry {

QPoint clampTo(QPoint p, QSize picture);

// Shift held with the line and the arrow: the end on the nearest of the directions at 0, 45
// and 90 degrees (and their mirror images) from `start`.
QPoint snappedEnd(QPoint start, QPoint pointer, QSize picture);

// Shift held with the rectangle and the ellipse: the corner opposite `start` of a square, as
// large as the pointer's larger distance along either axis, on the pointer's side.
QPoint squareEnd(QPoint start, QPoint pointer, QSize picture);

}  // namespace drag_geometry
