#include "capture/overlay_look.h"

namespace overlay_look {

QImage darkened(const QImage& picture, int alpha) {
    QImage out = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = line[x];
            line[x] = qRgb(blend(0, qRed(c), alpha), blend(0, qGreen(c), alpha),
                           blend(0, qBlue(c), alpha));
        }
    }
    return out;
}

QRgb underWhite(QRgb pixel, int alpha) {
    return qRgb(blend(255, qRed(pixel), alpha), blend(255, qGreen(pixel), alpha),
                blend(255, qBlue(pixel), alpha));
}

}  // namespace overlay_look
