#include "platform/screens.h"

namespace platform {

// Built without the X11 unit: Qt's own sizes are all there is.
QRect realDeviceGeometry(const QScreen* screen) {
    return estimatedDeviceGeometry(screen);
}

}  // namespace platform
