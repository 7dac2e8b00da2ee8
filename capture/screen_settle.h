#pragma once

#include <QList>
#include <functional>

class QObject;
class QWidget;

// Waiting until the screen no longer shows the program's own windows, so that a grab shows what
// lies below them. The wait lasts as long as its reason: it ends when the system says the
// windows are off the screen and their places drawn again (platform::Services::windowsGone),
// bounded by the fixed pause it replaces. However fast the screen changes meanwhile, the
// picture is taken as soon as the windows are gone: motion is content, not a reason to wait.
namespace screen_settle {

// The longest waits: the least the fixed pauses and the stillness check they replace waited.
constexpr int kMainWindowGoneMs = 240;  // 200 ms after hiding the main window, then one look
constexpr int kWindowsGoneMs = 140;     // the windows hidden as an overlay comes up
constexpr int kOverlayGoneMs = 60;      // a compositor's frame without the overlay

// Runs `leave`, which takes some of `windows` off the screen, then `done` once the screen no
// longer shows those that were on it (null and hidden ones are left out), at most `maxMs`
// later; at once when none was shown. Nothing is called once `context` is gone.
void afterLeaving(QObject* context, const QList<QWidget*>& windows, int maxMs,
                  const std::function<void()>& leave, std::function<void()> done);

}  // namespace screen_settle
