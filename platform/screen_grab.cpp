#include "platform/screen_grab.h"

#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "platform/screens.h"

namespace platform {

QImage qtGrabDesktop(const QRect& area) {
    QImage out(area.size(), QImage::Format_RGB32);
    if (out.isNull()) {
        return {};
    }
    out.fill(Qt::black);
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (const ScreenArea& s : screenAreas()) {
        const QRect part = area.intersected(s.device);
        if (part.isEmpty()) {
            continue;
        }
        // Asked for a part, Qt scales the request by the density and may miss a pixel; the
        // whole screen comes back at its own resolution.
        QImage shot = s.screen->grabWindow(0).toImage();
        if (shot.isNull()) {
            return {};
        }
        shot.setDevicePixelRatio(1);
        p.drawImage(part.topLeft() - area.topLeft(), shot, part.translated(-s.device.topLeft()));
    }
    return out;
}

}  // namespace platform
