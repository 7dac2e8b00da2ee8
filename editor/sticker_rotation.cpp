#include "editor/sticker_rotation.h"

#include <cstdint>

namespace sticker_rotation {

namespace {

bool is32Bit(QImage::Format f) {
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

QImage as32Bit(const QImage& image) {
    return is32Bit(image.format()) ? image : image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

QImage turnedClockwise(const QImage& source) {
    if (source.isNull()) {
        return {};
    }
    const QImage src = as32Bit(source);
    const int w = src.width();
    const int h = src.height();
    QImage out(h, w, src.format());
    out.setDotsPerMeterX(src.dotsPerMeterY());
    out.setDotsPerMeterY(src.dotsPerMeterX());
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(src.constScanLine(y));
        const int destX = h - 1 - y;
        for (int x = 0; x < w; ++x) {
            reinterpret_cast<std::uint32_t*>(out.scanLine(x))[destX] = row[x];
        }
    }
    return out;
}

void turnClockwiseInPlace(QImage& surface) {
    if (surface.isNull()) {
        return;
    }
    if (surface.width() != surface.height() || !is32Bit(surface.format())) {
        surface = turnedClockwise(surface);
        return;
    }
    // Square: each pixel of the top-left quadrant starts a cycle of four positions that the
    // turn permutes among themselves.
    const int n = surface.width();
    auto at = [&surface](int x, int y) -> std::uint32_t& {
        return reinterpret_cast<std::uint32_t*>(surface.scanLine(y))[x];
    };
    for (int y = 0; y < n / 2; ++y) {
        for (int x = 0; x < (n + 1) / 2; ++x) {
            // (x, y) -> (n-1-y, x) -> (n-1-x, n-1-y) -> (y, n-1-x) -> (x, y)
            const std::uint32_t a = at(x, y);
            at(x, y) = at(y, n - 1 - x);
            at(y, n - 1 - x) = at(n - 1 - x, n - 1 - y);
            at(n - 1 - x, n - 1 - y) = at(n - 1 - y, x);
            at(n - 1 - y, x) = a;
        }
    }
}

}  // namespace sticker_rotation
