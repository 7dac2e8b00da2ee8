#include "capture/area_grab.h"

#include <QPainter>

#include "platform/services.h"

namespace area_grab {

namespace {

// `part` shows `partArea` of the screen; place it where it lies inside `area`.
QImage placed(const QImage& part, const QRect& partArea, const QRect& area) {
    if (partArea == area && part.format() == QImage::Format_RGB32) {
        return part;
    }
    QImage out(area.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(partArea.topLeft() - area.topLeft(), part);
    return out;
}

}  // namespace

QImage cut(const QImage& screen, const QRect& area) {
    const QRect inside = area.intersected(screen.rect());
    if (inside.isEmpty()) {
        return placed(QImage(), inside, area);
    }
    return placed(screen.copy(inside), inside, area);
}

QImage grab(const QRect& area, QSize screenPx) {
    const QRect inside = area.intersected(QRect(QPoint(0, 0), screenPx));
    if (inside.isEmpty()) {
        return placed(QImage(), inside, area);
    }
    const QImage part = platform::services().grabScreen(inside);
    if (part.isNull()) {
        return {};
    }
    return placed(part, inside, area);
}

}  // namespace area_grab
