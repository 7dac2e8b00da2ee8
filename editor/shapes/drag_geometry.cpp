#include "editor/shapes/drag_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace drag_geometry {

namespace {

// How far from `from` a point may go in direction `step` (-1, 0 or 1) and stay inside.
int room(int from, int step, int size) {
    return step > 0 ? size - 1 - from : step < 0 ? from : size;
}

// `length` steps from `start` along (sx, sy), shortened to stay inside the picture.
QPoint along(QPoint start, int sx, int sy, int length, QSize picture) {
    const int d = std::min(
        {length, room(start.x(), sx, picture.width()), room(start.y(), sy, picture.height())});
    return start + QPoint(sx * d, sy * d);
}

}  // namespace

QPoint clampTo(QPoint p, QSize picture) {
    return {std::clamp(p.x(), 0, std::max(0, picture.width() - 1)),
            std::clamp(p.y(), 0, std::max(0, picture.height() - 1))};
}

QPoint snappedEnd(QPoint start, QPoint pointer, QSize picture) {
    const QPoint s = clampTo(start, picture);
    const QPoint d = clampTo(pointer, picture) - s;
    const int ax = std::abs(d.x()), ay = std::abs(d.y());
    const int sx = d.x() < 0 ? -1 : 1, sy = d.y() < 0 ? -1 : 1;
    // tan(22.5 degrees): below it the line lies flat, above tan(67.5) it stands upright.
    constexpr double kTan22 = 0.41421356237;
    if (ay <= ax * kTan22) {
        return {s.x() + d.x(), s.y()};
    }
    if (ax <= ay * kTan22) {
        return {s.x(), s.y() + d.y()};
    }
    return along(s, sx, sy, static_cast<int>(std::lround((ax + ay) / 2.0)), picture);
}

QPoint squareEnd(QPoint start, QPoint pointer, QSize picture) {
    const QPoint s = clampTo(start, picture);
    const QPoint d = clampTo(pointer, picture) - s;
    return along(s, d.x() < 0 ? -1 : 1, d.y() < 0 ? -1 : 1,
                 std::max(std::abs(d.x()), std::abs(d.y())), picture);
}

}  // namespace drag_geometry
