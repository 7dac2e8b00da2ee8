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
    if (!isWaylandSession(QGuiApplication::platformName(), qEnvironmentVariable("WAYLAND_DISPLAY"),
                          qEnvironmentVariable("XDG_SESSION_TYPE"))) {
        return {};
    }
    return QStringLiteral(
        "Esta é uma sessão Wayland: nela o Lumacap não consegue capturar a tela diretamente "
        "(o sistema entregaria uma imagem preta). Nada foi capturado.");
}

}  // namespace platform
