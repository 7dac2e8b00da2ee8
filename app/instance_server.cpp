#include "app/instance_server.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>

#include "platform/unix_socket.h"

namespace {

// A request is a few hundred bytes sent at once; a connection that has not sent it by then is
// not a second start of ours.
constexpr int kRequestWaitMs = 5000;

}  // namespace

InstanceServer::InstanceServer(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &InstanceServer::accept);
}

bool InstanceServer::listen(const QString& path, QString* reason) {
    QLocalServer::removeServer(path);
    if (!server_->listen(path)) {
        *reason =
            QStringLiteral("não foi possível atender em %1: %2").arg(path, server_->errorString());
        return false;
    }
    return true;
}

void InstanceServer::accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // The folder and the socket are the user's alone; this is the last word on who talks.
        if (!platform::peerIsThisUser(socket->socketDescriptor())) {
            drop(socket, QStringLiteral("de outro usuário"));
            continue;
        }
        // One request per connection, read within a bounded size and time.
        auto reader = std::make_shared<std::optional<instance_message::FrameReader>>(
            instance_message::FrameReader());
        QTimer::singleShot(kRequestWaitMs, socket, [this, socket, reader] {
            if (*reader) {
                drop(socket, QStringLiteral("incompleto"));
            }
        });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, reader] {
            if (!*reader) {
                socket->readAll();  // after the request: nothing more is read
                return;
            }
            switch ((*reader)->add(socket->readAll())) {
                case instance_message::FrameReader::State::NeedMore:
                    return;
                case instance_message::FrameReader::State::TooLarge:
                    drop(socket, QStringLiteral("grande demais"));
                    return;
                case instance_message::FrameReader::State::Complete:
                    break;
            }
            const QByteArray payload = (*reader)->payload();
            reader->reset();
            QString why;
            const auto request = instance_message::decodeRequest(payload, &why);
            if (!request) {
                drop(socket, QStringLiteral("malformado: %1").arg(why));
                return;
            }
            QPointer<QLocalSocket> asker(socket);
            handler_(*request, [asker](const instance_message::Answer& answer) {
                if (asker) {
                    asker->write(instance_message::encode(answer));
                    asker->disconnectFromServer();  // once the answer has gone out
                }
            });
        });
    }
}

void InstanceServer::drop(QLocalSocket* socket, const QString& why) {
    std::fprintf(stderr, "Lumacap: pedido ignorado (%s)\n", why.toLocal8Bit().constData());
    socket->abort();
    socket->deleteLater();
}
