#include "ui/screen_place.h"

#include <QWidget>

#include "platform/screen_geometry.h"
#include "platform/screens.h"
#include "platform/services.h"
#include "ui/units.h"
#include "ui/window_metrics.h"

namespace screen_place {

namespace {

QRect outerFrame(const QWidget* w) {
    return {w->pos(),
            QSize(units::px(window_metrics::widthTw(w)), units::px(window_metrics::heightTw(w)))};
}

void setOuterFrame(QWidget* w, const QRect& r) {
    if (r.size() != outerFrame(w).size()) {
        window_metrics::setWidthTw(w, units::tw(r.width()));
        window_metrics::setHeightTw(w, units::tw(r.height()));
    }
    w->move(r.topLeft());
}

}  // namespace

void bringBack(QWidget* window) {
    QList<QRect> screens;
    for (const platform::ScreenArea& s : platform::screenAreas()) {
        screens.push_back(s.logical);
    }
    setOuterFrame(window, screen_geometry::bringBack(outerFrame(window), screens));
}

void centreInside(QWidget* window, const QRect& area) {
    QRect r = outerFrame(window);
    r.moveCenter(area.center());
    setOuterFrame(window, screen_geometry::inside(r, area));
}

void keepInside(QWidget* window) {
    QList<QRect> free;
    for (const platform::ScreenArea& s : platform::screenAreas()) {
        free.push_back(s.available);
    }
    const QRect r = outerFrame(window);
    const int i = screen_geometry::nearest(free, r);
    if (i >= 0) {
        setOuterFrame(window, screen_geometry::inside(r, free[i]));
    }
}

bool positionUnknown(QWidget* window) {
    if (!platform::services().capturesThroughPortal()) {
        return false;
    }
    platform::services().message(
        window, QStringLiteral("Lumacap"),
        QStringLiteral("Numa sessão Wayland a área de trabalho não informa aos programas onde "
                       "ficam as suas janelas, e as coloca ela mesma: a posição não foi "
                       "gravada. A posição já gravada continua valendo nas sessões X11."),
        platform::MessageIcon::Information);
    return true;
}

}  // namespace screen_place
