#pragma once

#include <QPoint>
#include <Qt>

namespace platform {
Qt::KeyboardModifiers realKeyboardModifiers();
QPoint realCursorPos();
}  // namespace platform
