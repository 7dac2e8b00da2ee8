#include "capture/whole_screen.h"

#include "capture/area_grab.h"
#include "capture/editor_handover.h"

namespace whole_screen {

QString intoCanvas(const QRect& screen, const QList<QRect>& screens, bool screenSeen) {
    const QImage shot = area_grab::grab(screen, screens);
    const QString rejected = area_grab::rejection(shot, screen, screens, screenSeen);
    if (rejected.isEmpty()) {
        editor_handover::putCapture(shot, true);
    }
    return rejected;
}

}  // namespace whole_screen
