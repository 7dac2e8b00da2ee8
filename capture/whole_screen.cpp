#include "capture/whole_screen.h"

#include <QRect>

#include "capture/area_grab.h"
#include "capture/editor_handover.h"

namespace whole_screen {

bool intoCanvas(QSize screenPx) {
    const QImage shot = area_grab::grab(QRect(QPoint(0, 0), screenPx), screenPx);
    if (shot.isNull()) {
        return false;
    }
    editor_handover::putCapture(shot, true);
    return true;
}

}  // namespace whole_screen
