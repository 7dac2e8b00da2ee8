#include "platform/wayland/wayland_session.h"

#include <QGuiApplication>

namespace platform::wayland {

QByteArray preferredPlatform(const QByteArray& chosen, const QByteArray& waylandDisplay,
                             const QByteArray& sessionType) {
    if (!chosen.isEmpty()) {
        return {};  // the user's choice
    }
    if (waylandDisplay.isEmpty() && sessionType.toLower() != "wayland") {
        return {};
    }
    // Qt 6.4 itself picks X11 on GNOME's Wayland sessions, where XWayland gives black grabs.
    return QByteArrayLiteral("wayland;xcb");
}

void preferNativeWayland() {
    const QByteArray platform = preferredPlatform(
        qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE"));
    if (!platform.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", platform);
    }
}

bool nativeSession() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace platform::wayland
