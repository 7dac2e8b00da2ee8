#include "ui/pointer_pixel.h"

#include <QWidget>
#include <QWindow>
#include <cmath>

#include "platform/services.h"

namespace pointer_pixel {

QPoint inWindow(const QWidget* widget, QPointF pos, quint64 timestamp) {
    const QWidget* window = widget->window();
    const QWindow* handle = window->windowHandle();
    const qreal scale = handle ? handle->devicePixelRatio() : window->devicePixelRatioF();
    const QPointF logical = QPointF(widget->mapTo(window, QPoint(0, 0))) + pos;
    const QPoint estimate(static_cast<int>(std::lround(logical.x() * scale)),
                          static_cast<int>(std::lround(logical.y() * scale)));
    if (scale == 1) {
        return estimate;  // one logical pixel is one device pixel: nothing was rounded away
    }
    const int slack = static_cast<int>(std::ceil(scale));
    return platform::services().eventPixel(window, timestamp, estimate, slack).value_or(estimate);
}

}  // namespace pointer_pixel
