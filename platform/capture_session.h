#pragma once

#include <QString>

// Whether this session lets the program read the screen directly. Under XWayland (a Wayland
// desktop running X11 programs) the X server answers every screen grab with black.
namespace platform {

// A Wayland session: Qt's platform "wayland" (or one of its variants), or X11 ("xcb") with
// WAYLAND_DISPLAY set or XDG_SESSION_TYPE "wayland".
bool isWaylandSession(const QString& platformName, const QString& waylandDisplay,
                      const QString& sessionType);

// Why the screen cannot be read in this session (a message for the user), or an empty text
// when it can: as a native Wayland client the program reads it through the desktop's portal,
// but under XWayland every grab is black.
QString realCaptureRefusal();

}  // namespace platform
