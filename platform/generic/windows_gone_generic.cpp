#include "platform/windows_gone.h"

namespace platform {

// Built without the X11 unit: the windows' own system composes the screen; the full pause.
void realWindowsGone(QObject* context, const QList<QWidget*>&, int maxMs,
                     const std::function<void()>& leave, std::function<void()> done) {
    waitWindowsGone(context, maxMs, leave, std::move(done));
}

}  // namespace platform
