#pragma once

#include <QList>
#include <functional>

class QObject;
class QWidget;

namespace platform {

// Runs `leave`, which takes `windows` (those of them on the screen now) off the screen, then
// calls `done` on the interface thread once the screen no longer shows them, and `maxMs` after
// `leave` at the latest. Nothing is called once `context` is gone. One unit per system.
void realWindowsGone(QObject* context, const QList<QWidget*>& windows, int maxMs,
                     const std::function<void()>& leave, std::function<void()> done);

// Where the system cannot tell: `done` after `maxMs`.
void waitWindowsGone(QObject* context, int maxMs, const std::function<void()>& leave,
                     std::function<void()> done);

}  // namespace platform
