#include "platform/screen_grab.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace platform {

QImage realGrabScreen(const QRect& area) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return {};
    }
    return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

}  // namespace platform
