#include "platform/windows_gone.h"

#include <QTimer>

namespace platform {

void waitWindowsGone(QObject* context, int maxMs, const std::function<void()>& leave,
                     std::function<void()> done) {
    leave();
    QTimer::singleShot(maxMs, context, std::move(done));
}

}  // namespace platform
