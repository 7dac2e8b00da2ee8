#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>

// A picture in which every pixel encodes its own coordinates (up to 4096 x 4096): red is the low
// byte of x, green the low byte of y, blue the high nibbles of both. A copy of any part of it
// tells exactly where it came from.
namespace test_pattern {

inline QRgb at(int x, int y) {
    return qRgb(x & 0xFF, y & 0xFF, ((x >> 8) & 0x0F) | (((y >> 8) & 0x0F) << 4));
}

inline QImage make(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            line[x] = at(x, y);
        }
    }
    return image;
}

}  // namespace test_pattern
