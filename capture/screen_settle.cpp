#include "capture/screen_settle.h"

#include <QWidget>

#include "platform/services.h"

namespace screen_settle {

void afterLeaving(QObject* context, const QList<QWidget*>& windows, int maxMs,
                  const std::function<void()>& leave, std::function<void()> done) {
    QList<QWidget*> shown;
    for (QWidget* w : windows) {
        if (w && w->isVisible() && !shown.contains(w)) {
            shown.push_back(w);
        }
    }
    if (shown.isEmpty()) {
        leave();
        done();
        return;
    }
    platform::services().windowsGone(context, shown, maxMs, leave, std::move(done));
}

}  // namespace screen_settle
