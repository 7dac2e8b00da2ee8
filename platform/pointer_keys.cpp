#include "platform/pointer_keys.h"

#include <QCursor>
#include <QGuiApplication>

#include "platform/screens.h"

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

}  // namespace platform
