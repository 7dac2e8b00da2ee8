#include "platform/pointer_keys.h"

#include <QCursor>
#include <QGuiApplication>

namespace platform {

Qt::KeyboardModifiers realKeyboardModifiers() {
    return QGuiApplication::queryKeyboardModifiers();
}

QPoint realCursorPos() {
    return QCursor::pos();
}

}  // namespace platform
