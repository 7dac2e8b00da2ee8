#include "platform/screen_grab.h"

namespace platform {

// Built without the X11 unit: Qt's screen grabs.
QImage realGrabDesktop(const QRect& area) {
    return qtGrabDesktop(area);
}

}  // namespace platform
