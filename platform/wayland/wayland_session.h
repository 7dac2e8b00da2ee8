#pragma once

#include <QByteArray>

// Running on a Wayland desktop as one of its own programs (Qt's platform "wayland"), where the
// screen is read through the desktop's Screenshot portal and windows cannot place themselves.
namespace platform::wayland {

// The Qt platform to ask for before the application starts: on a Wayland session (a Wayland
// display, or XDG_SESSION_TYPE "wayland") that has not chosen one, Wayland first and X11
// (XWayland) after it, for a Qt without its Wayland plugin. Empty: leave Qt's choice alone.
QByteArray preferredPlatform(const QByteArray& chosen, const QByteArray& waylandDisplay,
                             const QByteArray& sessionType);

// Applies preferredPlatform to this process's environment (QT_QPA_PLATFORM).
void preferNativeWayland();

// Whether this program runs as a native Wayland client now.
bool nativeSession();

}  // namespace platform::wayland
