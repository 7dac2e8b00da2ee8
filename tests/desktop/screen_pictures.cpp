#include "desktop/screen_pictures.h"

#include <QPainter>
#include <cstdlib>

#include "ui/pictures.h"

namespace {

bool sameWithin(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

}  // namespace

QImage toolPicture(const char* name, bool pressed) {
    // The backdrop lies one pixel around the button.
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    if (pressed) {
        p.drawPixmap(0, 0, pictures::button(QStringLiteral("down"), 16));
    }
    p.drawPixmap(1, 1, pictures::button(QString::fromLatin1(name), 14));
    return image.copy(1, 1, 14, 14);
}

std::optional<QPoint> findTool(const QImage& screen, const QRect& area, const QImage& picture) {
    const QRect inside = area.intersected(screen.rect());
    for (int y = inside.top(); y + picture.height() <= inside.bottom() + 1; ++y) {
        for (int x = inside.left(); x + picture.width() <= inside.right() + 1; ++x) {
            bool match = true;
            for (int j = 0; match && j < picture.height(); ++j) {
                for (int i = 0; match && i < picture.width(); ++i) {
                    match = sameWithin(screen.pixel(x + i, y + j), picture.pixel(i, j), 8);
                }
            }
            if (match) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}
