#include "platform/pointer_keys.h"

#include <QCursor>
#include <QGuiApplication>

#include "platform/screens.h"
#include "platform/wayland/precise_pointer.h"
#include "platform/wayland/wayland_session.h"

namespace platform {

Qt::KeyboardModifiers realKeyboardModifiers() {
    return QGuiApplication::queryKeyboardModifiers();
}

QPoint qtCursorPos() {
    // Qt gives the pointer in logical pixels of the screen it is on.
    const QPoint logical = QCursor::pos();
    const QList<ScreenArea> screens = screenAreas();
    return screens.isEmpty() ? logical : screenAtLogical(screens, logical).toDevice(logical);
}

std::optional<QPoint> sessionEventPixel(const QWidget* window, quint64 timestamp, QPoint estimate,
                                        int slack) {
    return wayland::nativeSession() ? wayland::eventPixel(window, timestamp, estimate, slack)
                                    : realEventPixel(window, timestamp, estimate, slack);
}

}  // namespace platform
