#include "platform/screen_geometry.h"

#include <algorithm>
#include <cstdint>

namespace screen_geometry {

namespace {

// Squared distance between two rectangles (0 when they overlap or touch).
int64_t gap(const QRect& a, const QRect& b) {
    const int64_t dx = std::max<int64_t>(
        {0, int64_t{a.left()} - b.right() - 1, int64_t{b.left()} - a.right() - 1});
    const int64_t dy = std::max<int64_t>(
        {0, int64_t{a.top()} - b.bottom() - 1, int64_t{b.top()} - a.bottom() - 1});
    return dx * dx + dy * dy;
}

int64_t overlap(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return int64_t{both.width()} * both.height();
}

}  // namespace

int nearest(const QList<QRect>& areas, const QRect& r) {
    const QRect n = r.normalized();
    int best = -1;
    int64_t bestGap = 0;
    int64_t bestOverlap = 0;
    for (int i = 0; i < areas.size(); ++i) {
        const int64_t g = gap(areas[i], n);
        const int64_t o = overlap(areas[i], n);
        if (best < 0 || g < bestGap || (g == bestGap && o > bestOverlap)) {
            best = i;
            bestGap = g;
            bestOverlap = o;
        }
    }
    return best;
}

QRect inside(const QRect& r, const QRect& area) {
    const int w = std::min(r.width(), area.width());
    const int h = std::min(r.height(), area.height());
    const int x = std::clamp(r.x(), area.left(), area.left() + area.width() - w);
    const int y = std::clamp(r.y(), area.top(), area.top() + area.height() - h);
    return {x, y, w, h};
}

QRect bringBack(const QRect& r, const QList<QRect>& areas) {
    const bool seen =
        std::any_of(areas.cbegin(), areas.cend(), [&](const QRect& a) { return a.intersects(r); });
    const int i = nearest(areas, r);
    if (seen || i < 0) {
        return r;
    }
    // Moved only: a window larger than the screen keeps its size, from the screen's corner.
    return QRect(inside(r, areas[i]).topLeft(), r.size());
}

}  // namespace screen_geometry
