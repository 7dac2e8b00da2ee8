#include "capture/overlay_surface.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <cmath>

#include "capture/overlay_look.h"
#include "platform/services.h"
#include "platform/wayland/precise_pointer.h"
#include "ui/lc_mod3_transparencia.h"
#include "ui/pointer_pixel.h"

namespace {

// The one-pixel lines that outline `frame`, both corners' rows and columns included.
QRegion outline(const QRect& f) {
    QRegion r;
    r += QRect(f.left(), f.top(), f.width() + 1, 1);
    r += QRect(f.left(), f.top() + f.height(), f.width() + 1, 1);
    r += QRect(f.left(), f.top(), 1, f.height() + 1);
    r += QRect(f.left() + f.width(), f.top(), 1, f.height() + 1);
    return r;
}

}  // namespace

OverlaySurface::OverlaySurface(QWidget* window, const OverlayScene& scene)
    : window_(window), scene_(scene) {}

QPoint OverlaySurface::toDevice(QPointF windowPos, quint64 timestamp) const {
    if (platform::services().capturesThroughPortal()) {
        // Wayland gives positions beyond the window's edges (a drag onto another screen) in the
        // desktop's logical pixels: the screen under them converts them, at full precision.
        const QPointF logical =
            QPointF(screen_.logical.topLeft()) +
            platform::wayland::eventPosition(window_, timestamp, windowPos).value_or(windowPos);
        const QPoint on(static_cast<int>(std::floor(logical.x())),
                        static_cast<int>(std::floor(logical.y())));
        const platform::ScreenArea s = platform::screenAtLogical(platform::screenAreas(), on);
        // The device pixel that holds the position.
        const QPointF d = (logical - s.logical.topLeft()) * s.scale;
        return s.device.topLeft() + QPoint(static_cast<int>(std::floor(d.x() + 1e-6)),
                                           static_cast<int>(std::floor(d.y() + 1e-6)));
    }
    // The window lies exactly on its screen, whose corner is a device pixel of the desktop.
    return screen_.device.topLeft() + pointer_pixel::inWindow(window_, windowPos, timestamp);
}

void OverlaySurface::paint(QPaintEvent* event) const {
    QPainter p(window_);
    // Painted in the screen's own pixels: the still picture one for one, the frame's lines one
    // device pixel wide, at any density.
    const qreal s = window_->devicePixelRatioF();
    p.setWorldTransform(QTransform::fromScale(1 / s, 1 / s));
    const QRectF exposed(QPointF(event->rect().topLeft()) * s, QSizeF(event->rect().size()) * s);
    const QRect dirty = exposed.toAlignedRect();
    const QPoint corner = screen_.device.topLeft();
    if (scene_.stillDarkened.isNull()) {
        p.fillRect(dirty, Qt::black);
    } else {
        p.drawImage(dirty.topLeft(), scene_.stillDarkened,
                    dirty.translated(corner - scene_.origin));
    }
    if (!scene_.frame) {
        return;
    }
    const QRegion lines = outline(*scene_.frame) & QRegion(dirty.translated(corner));
    for (const QRect& line : lines) {
        if (scene_.still.isNull()) {
            p.fillRect(line.translated(-corner), Qt::white);
            continue;
        }
        // Over a still picture the white frame is blended by hand, as a compositor would.
        const int alpha = LC_Mod3_Transparencia::alphaFor(overlay_look::kOpacityPercent);
        QImage part = scene_.still.copy(line.translated(-scene_.origin))
                          .convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < part.height(); ++y) {
            auto* px = reinterpret_cast<QRgb*>(part.scanLine(y));
            for (int x = 0; x < part.width(); ++x) {
                px[x] = overlay_look::underWhite(px[x], alpha);
            }
        }
        p.drawImage(line.topLeft() - corner, part);
    }
}

void OverlaySurface::frameChanged(const std::optional<QRect>& before,
                                  const std::optional<QRect>& after) {
    QRegion dirty;
    if (before) {
        dirty += outline(*before);
    }
    if (after) {
        dirty += outline(*after);
    }
    dirty &= screen_.device;
    const qreal s = window_->devicePixelRatioF();
    QRegion logical;
    for (const QRect& r : dirty) {
        const QRectF d(QPointF(r.topLeft() - screen_.device.topLeft()) / s, QSizeF(r.size()) / s);
        logical += d.toAlignedRect().adjusted(-1, -1, 1, 1);
    }
    if (!logical.isEmpty()) {
        window_->update(logical);
    }
}
