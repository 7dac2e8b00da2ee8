#pragma once

#include <QList>
#include <QRect>

// Rectangles and the screens they belong to, free of windows and of the system.
namespace screen_geometry {

// The index of the area nearest to `r`: of those it overlaps the one holding most of it, else
// the one at the least distance (of equals the first); -1 when there is none.
int nearest(const QList<QRect>& areas, const QRect& r);

// `r` moved, and shrunk where it is larger, so that it lies inside `area`.
QRect inside(const QRect& r, const QRect& area);

// A rectangle that meets none of the areas (its monitor was unplugged) comes back inside the
// nearest one, with its size kept; any other is left where it is.
QRect bringBack(const QRect& r, const QList<QRect>& areas);

}  // namespace screen_geometry
