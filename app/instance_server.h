#pragma once

#include <QObject>
#include <functional>

#include "app/instance_message.h"

class QLocalServer;
class QLocalSocket;

// The running copy's side: listens on the local socket (user-only access, in the user's own
// folder) and hands each well-formed request from this same user to the handler, with a way to
// answer it once. Anything else is dropped with a line on stderr and never acted on.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    using Answer = std::function<void(const instance_message::Answer&)>;
    using Handler = std::function<void(const instance_message::Request&, Answer)>;

    InstanceServer(Handler handler, QObject* parent);

    // Listens at `path`, taking the place of a socket that a crashed copy left there (the
    // caller holds the lock, so no live copy listens there). False with the reason on failure.
    bool listen(const QString& path, QString* reason);

private:
    void accept();
    void read(QLocalSocket* socket);
    void drop(QLocalSocket* socket, const QString& why);

    Handler handler_;
    QLocalServer* server_ = nullptr;
};
