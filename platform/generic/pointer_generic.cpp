#include "platform/pointer_keys.h"

namespace platform {

// Built without the X11 unit: Qt's own positions are all there is.
void watchPointer() {}

QPoint realCursorPos() {
    return qtCursorPos();
}

std::optional<QPoint> realEventPixel(const QWidget*, quint64, QPoint, int) {
    return std::nullopt;
}

}  // namespace platform
