#include "platform/wayland/portal_screenshot.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QRandomGenerator>
#include <QUrl>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

// Errors that say the portal, or its Screenshot part, is not there.
bool noPortal(QDBusError::ErrorType type, const QString& name) {
    switch (type) {
        case QDBusError::ServiceUnknown:
        case QDBusError::UnknownInterface:
        case QDBusError::UnknownMethod:
        case QDBusError::UnknownObject:
            return true;
        default:
            return name.startsWith(QLatin1String("org.freedesktop.DBus.Error.Spawn"));
    }
}

}  // namespace

PortalScreenshot::PortalScreenshot(QObject* parent) : QObject(parent) {
    limit_.setSingleShot(true);
    connect(&limit_, &QTimer::timeout, this, [this] {
        finish(Outcome::Failed, {},
               QStringLiteral("o portal não respondeu em %1 s").arg(limit_.interval() / 1000));
    });
}

void PortalScreenshot::listen(const QString& handle) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!handle_.isEmpty()) {
        bus.disconnect(kService, handle_, kRequest, QStringLiteral("Response"), this,
                       SLOT(onResponse(uint, QVariantMap)));
    }
    handle_ = handle;
    bus.connect(kService, handle_, kRequest, QStringLiteral("Response"), this,
                SLOT(onResponse(uint, QVariantMap)));
}

void PortalScreenshot::start(int limitMs) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        finish(Outcome::NoPortal, {}, QStringLiteral("não há barramento de sessão D-Bus"));
        return;
    }
    limit_.start(limitMs);
    // The portal names the request's object after this connection and the token.
    const QString token = QStringLiteral("lumacap%1").arg(QRandomGenerator::global()->generate());
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    listen(QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token));

    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kScreenshot, QStringLiteral("Screenshot"));
    call << QString()
         << QVariantMap{{QStringLiteral("handle_token"), token},
                        {QStringLiteral("interactive"), false},
                        {QStringLiteral("modal"), false}};
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, limitMs), this);  // owned
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *w;
        if (reply.isError()) {
            const QDBusError error = reply.error();
            const QString detail = error.message().isEmpty() ? error.name()
                                                             : QStringLiteral("%1 (%2)").arg(
                                                                   error.message(), error.name());
            if (noPortal(error.type(), error.name())) {
                finish(Outcome::NoPortal, {}, detail);
            } else if (error.type() == QDBusError::AccessDenied) {
                finish(Outcome::Refused, {}, detail);
            } else {
                finish(Outcome::Failed, {}, detail);
            }
            return;
        }
        // Older portals name the request otherwise: listen there instead.
        if (!done_ && reply.value().path() != handle_) {
            listen(reply.value().path());
        }
    });
}

void PortalScreenshot::onResponse(uint response, const QVariantMap& results) {
    if (response == 1) {
        finish(Outcome::Refused, {}, QStringLiteral("cancelado"));
        return;
    }
    if (response != 0) {
        finish(Outcome::Failed, {}, QStringLiteral("resposta %1 do portal").arg(response));
        return;
    }
    const QUrl uri(results.value(QStringLiteral("uri")).toString());
    if (!uri.isLocalFile()) {
        finish(Outcome::Failed, {},
               QStringLiteral("o portal não indicou um arquivo (%1)").arg(uri.toString()));
        return;
    }
    finish(Outcome::Picture, uri.toLocalFile(), {});
}

void PortalScreenshot::finish(Outcome outcome, const QString& file, const QString& detail) {
    if (done_) {
        return;
    }
    done_ = true;
    limit_.stop();
    if (!handle_.isEmpty()) {
        QDBusConnection::sessionBus().disconnect(kService, handle_, kRequest,
                                                 QStringLiteral("Response"), this,
                                                 SLOT(onResponse(uint, QVariantMap)));
    }
    emit finished(Result{outcome, file, detail});
}
