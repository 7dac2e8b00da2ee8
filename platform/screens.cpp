#include "platform/screens.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "platform/screen_geometry.h"

namespace platform {

QPoint ScreenArea::toDevice(QPointF logicalPoint) const {
    const QPointF d = QPointF(device.topLeft()) + (logicalPoint - logical.topLeft()) * scale;
    return {static_cast<int>(std::lround(d.x())), static_cast<int>(std::lround(d.y()))};
}

QRect ScreenArea::toDevice(const QRect& r) const {
    const QPointF from = (QPointF(r.topLeft()) - logical.topLeft()) * scale;
    const QPointF to =
        (QPointF(r.topLeft() + QPoint(r.width(), r.height())) - logical.topLeft()) * scale;
    const QPoint a(static_cast<int>(std::floor(from.x())), static_cast<int>(std::floor(from.y())));
    const QPoint b(static_cast<int>(std::ceil(to.x())), static_cast<int>(std::ceil(to.y())));
    return QRect(a, QSize(b.x() - a.x(), b.y() - a.y())).translated(device.topLeft());
}

QRect estimatedDeviceGeometry(const QScreen* screen) {
    const QRect g = screen->geometry();
    const qreal s = screen->devicePixelRatio();
    return {g.topLeft(), QSize(static_cast<int>(std::lround(g.width() * s)),
                               static_cast<int>(std::lround(g.height() * s)))};
}

QList<ScreenArea> screenAreas() {
    QList<ScreenArea> out;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (QScreen* s : QGuiApplication::screens()) {
        ScreenArea a;
        a.screen = s;
        a.logical = s->geometry();
        a.available = s->availableGeometry();
        a.device = realDeviceGeometry(s);
        a.scale = s->devicePixelRatio();
        a.primary = s == primary;
        out.push_back(a);
    }
    std::stable_partition(out.begin(), out.end(), [](const ScreenArea& a) { return a.primary; });
    return out;
}

QList<QRect> deviceRects(const QList<ScreenArea>& screens) {
    QList<QRect> out;
    for (const ScreenArea& a : screens) {
        out.push_back(a.device);
    }
    return out;
}

ScreenArea screenAtDevice(const QList<ScreenArea>& screens, QPoint devicePoint) {
    const int i = screen_geometry::nearest(deviceRects(screens), QRect(devicePoint, QSize(1, 1)));
    return i < 0 ? ScreenArea{} : screens[i];
}

ScreenArea screenAtLogical(const QList<ScreenArea>& screens, QPoint logicalPoint) {
    QList<QRect> rects;
    for (const ScreenArea& a : screens) {
        rects.push_back(a.logical);
    }
    const int i = screen_geometry::nearest(rects, QRect(logicalPoint, QSize(1, 1)));
    return i < 0 ? ScreenArea{} : screens[i];
}

QSize largestDeviceSize() {
    QSize largest;
    for (const ScreenArea& a : screenAreas()) {
        largest = largest.expandedTo(a.device.size());
    }
    return largest;
}

}  // namespace platform
