#include "editor/shapes/shape_runs.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "editor/pen_stroke.h"

namespace shape_runs {

namespace {

struct Span {
    int left;
    int right;
};

// The columns of row y inside the ellipse inscribed in `r` (pixel centres inside), or nothing
// outside its rows.
std::optional<Span> ellipseRow(const QRect& r, int y) {
    if (r.isEmpty() || y < r.top() || y > r.bottom()) {
        return std::nullopt;
    }
    const double cx = (r.left() + r.right()) / 2.0;
    const double cy = (r.top() + r.bottom()) / 2.0;
    const double a = r.width() / 2.0;
    const double dy = (y - cy) / (r.height() / 2.0);
    const double half = a * std::sqrt(std::max(0.0, 1.0 - dy * dy));
    int left = static_cast<int>(std::ceil(cx - half));
    int right = static_cast<int>(std::floor(cx + half));
    if (left > right) {
        // The end rows of a flat ellipse pass between two pixel centres: keep the middle ones.
        left = static_cast<int>(std::floor(cx));
        right = static_cast<int>(std::ceil(cx));
    }
    return Span{std::max(left, r.left()), std::min(right, r.right())};
}

// The ellipse's pixels that have a neighbour above, below, left or right outside it: a ring
// whose pixels touch at least corner to corner.
PixelRuns ellipseBorder(const QRect& r) {
    PixelRuns runs;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const Span row = *ellipseRow(r, y);
        const auto above = ellipseRow(r, y - 1);
        const auto below = ellipseRow(r, y + 1);
        if (!above || !below) {
            runs.push_back({y, row.left, row.right});
            continue;
        }
        // Columns left of the narrower neighbour's start have that neighbour's outside over or
        // under them.
        const int leftEnd = std::max(above->left, below->left) - 1;
        const int rightStart = std::min(above->right, below->right) + 1;
        runs.push_back({y, row.left, std::max(row.left, std::min(leftEnd, row.right))});
        runs.push_back({y, std::min(row.right, std::max(rightStart, row.left)), row.right});
    }
    pixel_runs::normalise(runs);
    return runs;
}

}  // namespace

QRect dragRect(QPoint a, QPoint b) {
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

PixelRuns rectangleOutline(const QRect& r, int width) {
    PixelRuns runs;
    if (r.isEmpty()) {
        return runs;
    }
    const int w = std::max(1, width);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        if (y < r.top() + w || y > r.bottom() - w || 2 * w >= r.width()) {
            runs.push_back({y, r.left(), r.right()});
        } else {
            runs.push_back({y, r.left(), r.left() + w - 1});
            runs.push_back({y, r.right() - w + 1, r.right()});
        }
    }
    return runs;
}

PixelRuns ellipseOutline(const QRect& r, int width) {
    if (r.isEmpty()) {
        return {};
    }
    PixelRuns runs = ellipseBorder(r);
    const int w = std::max(1, width);
    if (w == 1) {
        return runs;
    }
    // The ring between the ellipse and the one inscribed `w` pixels further in.
    const QRect inner = r.adjusted(w, w, -w, -w);
    PixelRuns ring;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const Span outer = *ellipseRow(r, y);
        const auto hole = inner.isEmpty() ? std::nullopt : ellipseRow(inner, y);
        if (!hole) {
            ring.push_back({y, outer.left, outer.right});
        } else {
            ring.push_back({y, outer.left, hole->left - 1});
            ring.push_back({y, hole->right + 1, outer.right});
        }
    }
    pixel_runs::normalise(ring);
    return pixel_runs::united(runs, ring);
}

PixelRuns line(QPoint a, QPoint b, int width) {
    const std::vector<pen_stroke::PenRow> pen = pen_stroke::roundPen(std::max(1, width));
    const int top = std::min(a.y(), b.y()) + pen.front().dy;
    const int rows = std::abs(a.y() - b.y()) + pen.back().dy - pen.front().dy + 1;
    // The round pen's stamps along the line leave one run per row: consecutive stamps overlap.
    std::vector<Span> spans(static_cast<std::size_t>(rows),
                            Span{std::numeric_limits<int>::max(), std::numeric_limits<int>::min()});
    pen_stroke::walkLine(a, b, [&](int x, int y) {
        for (const pen_stroke::PenRow& row : pen) {
            Span& s = spans[static_cast<std::size_t>(y + row.dy - top)];
            s.left = std::min(s.left, x + row.left);
            s.right = std::max(s.right, x + row.right);
        }
    });
    PixelRuns runs;
    runs.reserve(spans.size());
    for (int i = 0; i < rows; ++i) {
        const Span& s = spans[static_cast<std::size_t>(i)];
        if (s.left <= s.right) {
            runs.push_back({top + i, s.left, s.right});
        }
    }
    return runs;
}

int arrowHeadLength(int width) {
    return 9 + 3 * std::max(1, width);
}

int arrowHeadWidth(int width) {
    return 7 + 3 * std::max(1, width);
}

PixelRuns arrow(QPoint a, QPoint b, int width) {
    const QLineF shaft(a, b);
    const double length = shaft.length();
    if (length < 1) {
        return line(a, b, width);
    }
    // A short arrow gets a smaller head of the same shape, so that it stays an arrow.
    const double headLength = std::min<double>(arrowHeadLength(width), length);
    const double headWidth = arrowHeadWidth(width) * headLength / arrowHeadLength(width);
    const QPointF along = (QPointF(b) - QPointF(a)) / length;
    const QPointF across(-along.y(), along.x());
    // The tip reaches half a pixel past b so that b's own pixel is in the head.
    const QPointF tip = QPointF(b) + along * 0.5;
    const QPointF base = tip - along * headLength;
    const PixelRuns head = convexPolygon(
        QPolygonF({tip, base + across * (headWidth / 2), base - across * (headWidth / 2)}));
    // The shaft ends inside the head, so that its round end does not poke past the head's sides.
    const QPointF shaftEnd = base + along * std::min(headLength / 2, 1.0 + width / 2.0);
    PixelRuns runs = line(a, shaftEnd.toPoint(), width);
    pixel_runs::normalise(runs);
    return pixel_runs::united(runs, head);
}

PixelRuns convexPolygon(const QPolygonF& polygon) {
    PixelRuns runs;
    if (polygon.size() < 3) {
        return runs;
    }
    const QRectF box = polygon.boundingRect();
    for (int y = static_cast<int>(std::ceil(box.top())); y <= std::floor(box.bottom()); ++y) {
        double left = std::numeric_limits<double>::max();
        double right = std::numeric_limits<double>::lowest();
        for (int i = 0; i < polygon.size(); ++i) {
            const QPointF p = polygon[i];
            const QPointF q = polygon[(i + 1) % polygon.size()];
            if (p.y() == q.y()) {
                if (p.y() == y) {
                    left = std::min({left, p.x(), q.x()});
                    right = std::max({right, p.x(), q.x()});
                }
                continue;
            }
            if (y < std::min(p.y(), q.y()) || y > std::max(p.y(), q.y())) {
                continue;
            }
            const double x = p.x() + (y - p.y()) * (q.x() - p.x()) / (q.y() - p.y());
            left = std::min(left, x);
            right = std::max(right, x);
        }
        const int l = static_cast<int>(std::ceil(left - 1e-9));
        const int r = static_cast<int>(std::floor(right + 1e-9));
        if (l <= r) {
            runs.push_back({y, l, r});
        }
    }
    return runs;
}

PixelRuns disc(QPoint topLeft, int diameter) {
    const std::vector<pen_stroke::PenRow> pen = pen_stroke::roundPen(std::max(1, diameter));
    // The pen's rows are relative to its point, which lies (diameter - 1) / 2 in from the corner.
    const QPoint point = topLeft + QPoint((diameter - 1) / 2, (diameter - 1) / 2);
    PixelRuns runs;
    for (const pen_stroke::PenRow& row : pen) {
        runs.push_back({point.y() + row.dy, point.x() + row.left, point.x() + row.right});
    }
    return runs;
}

}  // namespace shape_runs
