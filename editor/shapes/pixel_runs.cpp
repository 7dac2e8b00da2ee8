#include "editor/shapes/pixel_runs.h"

#include <algorithm>
#include <cstdint>

namespace pixel_runs {

namespace {

// Where the row starting at runs[i] ends.
std::size_t rowEnd(const PixelRuns& runs, std::size_t i) {
    const int y = runs[i].y;
    while (i < runs.size() && runs[i].y == y) {
        ++i;
    }
    return i;
}

bool sameColumns(const PixelRuns& runs, std::size_t a, std::size_t aEnd, std::size_t b,
                 std::size_t bEnd) {
    if (aEnd - a != bEnd - b) {
        return false;
    }
    for (; a < aEnd; ++a, ++b) {
        if (runs[a].left != runs[b].left || runs[a].right != runs[b].right) {
            return false;
        }
    }
    return true;
}

// Columns of one row as edges: every run opens at left and closes after right.
void rowEdges(const PixelRuns& runs, std::size_t from, std::size_t to, std::vector<int>& edges) {
    for (std::size_t i = from; i < to; ++i) {
        edges.push_back(runs[i].left);
        edges.push_back(runs[i].right + 1);
    }
}

}  // namespace

void normalise(PixelRuns& runs) {
    std::sort(runs.begin(), runs.end(), [](const PixelRun& a, const PixelRun& b) {
        return a.y != b.y ? a.y < b.y : a.left < b.left;
    });
    std::size_t out = 0;
    for (const PixelRun& r : runs) {
        if (r.right < r.left) {
            continue;
        }
        if (out > 0 && runs[out - 1].y == r.y && r.left <= runs[out - 1].right + 1) {
            runs[out - 1].right = std::max(runs[out - 1].right, r.right);
        } else {
            runs[out++] = r;
        }
    }
    runs.resize(out);
}

PixelRuns united(const PixelRuns& a, const PixelRuns& b) {
    PixelRuns all;
    all.reserve(a.size() + b.size());
    std::merge(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(all),
               [](const PixelRun& l, const PixelRun& r) {
                   return l.y != r.y ? l.y < r.y : l.left < r.left;
               });
    normalise(all);  // sorted already: this only joins
    return all;
}

PixelRuns changed(const PixelRuns& a, const PixelRuns& b) {
    PixelRuns out;
    std::vector<int> edges;
    std::size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        const int y = (j == b.size() || (i < a.size() && a[i].y < b[j].y)) ? a[i].y : b[j].y;
        const std::size_t iEnd = (i < a.size() && a[i].y == y) ? rowEnd(a, i) : i;
        const std::size_t jEnd = (j < b.size() && b[j].y == y) ? rowEnd(b, j) : j;
        // A column is in exactly one set where an odd number of edges lie at or before it.
        edges.clear();
        rowEdges(a, i, iEnd, edges);
        rowEdges(b, j, jEnd, edges);
        std::sort(edges.begin(), edges.end());
        for (std::size_t k = 0; k + 1 < edges.size(); k += 2) {
            if (edges[k] < edges[k + 1]) {
                out.push_back({y, edges[k], edges[k + 1] - 1});
            }
        }
        i = iEnd;
        j = jEnd;
    }
    normalise(out);
    return out;
}

PixelRuns clipped(const PixelRuns& runs, const QRect& area) {
    PixelRuns out;
    for (const PixelRun& r : runs) {
        if (r.y < area.top() || r.y > area.bottom()) {
            continue;
        }
        const int left = std::max(r.left, area.left());
        const int right = std::min(r.right, area.right());
        if (left <= right) {
            out.push_back({r.y, left, right});
        }
    }
    return out;
}

QRect boundingRect(const PixelRuns& runs) {
    if (runs.empty()) {
        return {};
    }
    int left = runs.front().left, right = runs.front().right;
    for (const PixelRun& r : runs) {
        left = std::min(left, r.left);
        right = std::max(right, r.right);
    }
    return QRect(QPoint(left, runs.front().y), QPoint(right, runs.back().y));
}

std::vector<QRect> bands(const PixelRuns& runs) {
    std::vector<QRect> out;
    std::size_t i = 0;
    while (i < runs.size()) {
        const std::size_t end = rowEnd(runs, i);
        // The band goes on while the next row is the next y and has the same columns.
        std::size_t next = end;
        int bottom = runs[i].y;
        while (next < runs.size() && runs[next].y == bottom + 1) {
            const std::size_t nextEnd = rowEnd(runs, next);
            if (!sameColumns(runs, i, end, next, nextEnd)) {
                break;
            }
            ++bottom;
            next = nextEnd;
        }
        for (std::size_t k = i; k < end; ++k) {
            out.emplace_back(QPoint(runs[k].left, runs[k].y), QPoint(runs[k].right, bottom));
        }
        i = next;
    }
    return out;
}

void fill(QImage& image, const PixelRuns& runs, QRgb pixel) {
    for (const PixelRun& r : clipped(runs, image.rect())) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(r.y));
        std::fill(line + r.left, line + r.right + 1, pixel);
    }
}

}  // namespace pixel_runs
