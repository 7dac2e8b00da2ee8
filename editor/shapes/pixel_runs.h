#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <vector>

// A set of pixels held as runs: row y, columns left ... right. Every shape the drag tools make
// is rasterised once into runs, so that what the preview shows and what enters the picture are
// the same pixels, and a drag repaints only the runs that changed.
struct PixelRun {
    int y = 0;
    int left = 0;
    int right = 0;  // inclusive

    friend bool operator==(const PixelRun&, const PixelRun&) = default;
};

using PixelRuns = std::vector<PixelRun>;

namespace pixel_runs {

// Sorts by row and column and joins runs that overlap or touch: the form every other function
// here expects and returns.
void normalise(PixelRuns& runs);

// The pixels of either set.
PixelRuns united(const PixelRuns& a, const PixelRuns& b);
// The pixels of exactly one of the two sets: what changes when `a` is replaced by `b`.
PixelRuns changed(const PixelRuns& a, const PixelRuns& b);
// The pixels inside `area`.
PixelRuns clipped(const PixelRuns& runs, const QRect& area);

QRect boundingRect(const PixelRuns& runs);

// The same pixels as rectangles in bands: consecutive rows with the same runs make one band,
// every rectangle of a band has its top and bottom. Sorted by band, then left to right, as a
// region is built from (a rectangle outline gives four rectangles, not one per row).
std::vector<QRect> bands(const PixelRuns& runs);

// Sets every pixel of the runs inside a 32-bit picture to `pixel`.
void fill(QImage& image, const PixelRuns& runs, QRgb pixel);

}  // namespace pixel_runs
