#pragma once

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

class QScreen;

// The monitors of the virtual desktop. Windows are placed in logical pixels (Qt's units, which
// grow with the density); the screen's own pixels, which captures hold one for one, are device
// pixels of the virtual desktop. Under Qt 6 a screen's logical top-left corner is its device
// top-left corner, and inside it device = corner + logical offset * scale.
namespace platform {

struct ScreenArea {
    QScreen* screen = nullptr;
    QRect logical;    // where windows go on it
    QRect available;  // logical, less the desktop's panels
    QRect device;     // its pixels on the virtual desktop
    qreal scale = 1;  // device pixels per logical pixel
    bool primary = false;

    // A logical point on this screen (or beyond its edges) as a device pixel.
    QPoint toDevice(QPointF logicalPoint) const;
    // The device pixels a logical rectangle on this screen covers (rounded outwards).
    QRect toDevice(const QRect& logicalRect) const;
};

// Every screen, the primary one first.
QList<ScreenArea> screenAreas();
// The device pixels of each screen, in the order of screenAreas().
QList<QRect> deviceRects(const QList<ScreenArea>& screens);
// The screen holding the device point, or else the one nearest to it.
ScreenArea screenAtDevice(const QList<ScreenArea>& screens, QPoint devicePoint);
// The screen holding the logical point, or else the one nearest to it.
ScreenArea screenAtLogical(const QList<ScreenArea>& screens, QPoint logicalPoint);
// The largest screen's size in device pixels.
QSize largestDeviceSize();

// The device pixels of one screen, as the system reports them (one unit per system).
QRect realDeviceGeometry(const QScreen* screen);
// The same worked out from Qt's logical size, which Qt rounded: exact only where the scale
// divides the screen's size.
QRect estimatedDeviceGeometry(const QScreen* screen);

}  // namespace platform
