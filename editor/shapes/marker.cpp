#include "editor/shapes/marker.h"

#include <algorithm>
#include <cstdint>

namespace marker {

namespace {

constexpr int kOpacity = 102;  // 40% of 255

// a * b / 255, rounded as the painter's multiply rounds it, so the preview shows these pixels.
std::uint32_t multiply(std::uint32_t a, std::uint32_t b) {
    const std::uint32_t t = a * b;
    return (t + (t >> 8) + 0x80) >> 8;
}

}  // namespace

int strokeWidth(int penWidth) {
    return 8 + 4 * std::max(1, penWidth);
}

QColor tint(const QColor& colour) {
    auto channel = [](int c) { return 255 - ((255 - c) * kOpacity + 127) / 255; };
    return QColor(channel(colour.red()), channel(colour.green()), channel(colour.blue()));
}

void apply(QImage& image, const PixelRuns& mask, const QColor& colour) {
    const QColor t = tint(colour);
    const std::uint32_t r = t.red(), g = t.green(), b = t.blue();
    for (const PixelRun& run : pixel_runs::clipped(mask, image.rect())) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(run.y));
        for (int x = run.left; x <= run.right; ++x) {
            const std::uint32_t p = line[x];
            line[x] = (p & 0xff000000u) | (multiply((p >> 16) & 0xff, r) << 16) |
                      (multiply((p >> 8) & 0xff, g) << 8) | multiply(p & 0xff, b);
        }
    }
}

}  // namespace marker
