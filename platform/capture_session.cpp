#include "platform/capture_session.h"

#include <QGuiApplication>

namespace platform {

bool isWaylandSession(const QString& platformName, const QString& waylandDisplay,
                      const QString& sessionType) {
    if (platformName.startsWith(QLatin1String("wayland"))) {  // also "wayland-egl"
        return true;
    }
    return platformName == QLatin1String("xcb") &&
           (!waylandDisplay.isEmpty() ||
            sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0);
}

QString realCaptureRefusal() {
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland")) ||
        !isWaylandSession(platform, qEnvironmentVariable("WAYLAND_DISPLAY"),
                          qEnvironmentVariable("XDG_SESSION_TYPE"))) {
        return {};
    }
    return QStringLiteral(
        "Esta é uma sessão Wayland, mas o Lumacap roda nela como programa X11 (XWayland), que "
        "não consegue capturar a tela (o sistema entregaria uma imagem preta). Instale o "
        "suporte do Qt a Wayland (pacote qt6-wayland) e não force QT_QPA_PLATFORM=xcb: o "
        "Lumacap então captura pelo portal da área de trabalho. Nada foi capturado.");
}

}  // namespace platform
