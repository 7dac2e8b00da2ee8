#include "platform/wayland/desktop_portal.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "platform/screens.h"
#include "platform/wayland/portal_picture.h"
#include "platform/wayland/portal_screenshot.h"

namespace platform::wayland {

namespace {

// A portal that asks the user, or Debian 12's xdg-desktop-portal-wlr on a bad start (25 s),
// may take a while; one that has not answered by then is not going to.
constexpr int kPortalLimitMs = 30000;

// The last picture read from the portal, and its file.
struct LastFile {
    qint64 pictureKey = 0;
    QByteArray png;
};
LastFile last;

QString failure(const PortalScreenshot::Result& r) {
    switch (r.outcome) {
        case PortalScreenshot::Outcome::Picture:
            break;
        case PortalScreenshot::Outcome::NoPortal:
            return QStringLiteral(
                       "esta sessão Wayland não oferece o portal de captura de tela "
                       "(org.freedesktop.portal.Screenshot; instale o xdg-desktop-portal e o "
                       "portal da sua área de trabalho): %1")
                .arg(r.detail);
        case PortalScreenshot::Outcome::Refused:
            return QStringLiteral(
                       "o portal de captura de tela recusou o pedido, ou ele foi cancelado (%1)")
                .arg(r.detail);
        case PortalScreenshot::Outcome::Failed:
            return QStringLiteral("o portal de captura de tela falhou: %1").arg(r.detail);
    }
    return {};
}

DesktopShot shotFrom(const PortalScreenshot::Result& r) {
    if (r.outcome != PortalScreenshot::Outcome::Picture) {
        return {{}, {}, failure(r)};
    }
    QFile file(r.file);
    const QByteArray png = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const QImage portal = QImage::fromData(png);
    const QStringList temporary{QDir::tempPath(), QStringLiteral("/tmp"),
                                QStringLiteral("/var/tmp")};
    const QStringList kept = QStandardPaths::standardLocations(QStandardPaths::PicturesLocation);
    if (portal_picture::removable(r.file, temporary, kept)) {
        QFile::remove(r.file);
    }
    if (portal.isNull()) {
        return {{},
                {},
                QStringLiteral("o portal de captura de tela entregou %1, que não pôde ser lido")
                    .arg(r.file)};
    }
    QList<portal_picture::Screen> screens;
    QRect area;
    for (const ScreenArea& s : screenAreas()) {
        screens.push_back({s.logical, s.device});
        area |= s.device;
    }
    const QImage desktop = portal_picture::desktop(portal, screens);
    if (desktop.isNull()) {
        return {{}, {}, QStringLiteral("não há memória para a imagem da tela")};
    }
    last = desktop.cacheKey() == portal.cacheKey() && png.startsWith("\x89PNG")
               ? LastFile{desktop.cacheKey(), png}
               : LastFile{};
    return {desktop, area, {}};
}

}  // namespace

QByteArray portalPng(const QImage& picture) {
    return !picture.isNull() && picture.cacheKey() == last.pictureKey ? last.png : QByteArray();
}

void takeDesktopShot(QObject* context, std::function<void(const DesktopShot&)> done) {
    auto* request = new PortalScreenshot(context);  // owned by context; gone once answered
    QObject::connect(request, &PortalScreenshot::finished, context,
                     [request, done = std::move(done)](const PortalScreenshot::Result& r) {
                         request->deleteLater();
                         done(shotFrom(r));
                     });
    request->start(kPortalLimitMs);
}

}  // namespace platform::wayland
