#include "desktop/screen_pictures.h"

#include <QPainter>
#include <cstdlib>

#include "desktop/capture_desktop.h"
#include "support/test_pattern.h"
#include "ui/pictures.h"

namespace {

bool sameWithin(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

}  // namespace

std::optional<QPoint> findPicture(const QImage& screen, QPoint origin, QSize size) {
    const QRgb first = test_pattern::at(origin.x(), origin.y());
    const QPoint last = origin + QPoint(size.width() - 1, size.height() - 1);
    std::optional<QPoint> found;
    for (int y = 0; y + size.height() <= screen.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        for (int x = 0; x + size.width() <= screen.width(); ++x) {
            if ((line[x] | 0xff000000) != first ||
                (screen.pixel(x + size.width() - 1, y + size.height() - 1) | 0xff000000) !=
                    test_pattern::at(last.x(), last.y())) {
                continue;
            }
            if (QPoint(x, y) != origin) {
                return QPoint(x, y);
            }
            found = QPoint(x, y);
        }
    }
    return found;
}

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

std::optional<QPoint> captureIntoEditor(CaptureDesktop& d, QPoint from, QPoint to) {
    d.clickCapture();
    if (!d.waitForOverlay()) {
        return std::nullopt;
    }
    d.drag(from, to);
    const QPoint origin = from + QPoint(1, 1);
    const QSize size(to.x() - from.x(), to.y() - from.y());
    std::optional<QPoint> canvas;
    waitUntil(
        [&] {
            canvas = findPicture(d.desktop().screenshot(), origin, size);
            return canvas.has_value() && *canvas != origin;
        },
        10000);
    return canvas && *canvas != origin ? canvas : std::nullopt;
}
