#pragma once

#include <QObject>
#include <functional>

#include "app/instance_message.h"

class QSocketNotifier;

// The running copy's side: listens on the local socket (user-only access, in the user's own
// folder) and hands each well-formed request from this same user to the handler, with a way to
// answer it once. Anything else is dropped with a line on stderr and never acted on.
// Plain sockets under a QSocketNotifier: the start-up does not load Qt's network module (and
// the Kerberos and proxy libraries behind it) for one local socket.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    using Answer = std::function<void(const instance_message::Answer&)>;
    using Handler = std::function<void(const instance_message::Request&, Answer)>;

    InstanceServer(Handler handler, QObject* parent);
    ~InstanceServer() override;
    InstanceServer(const InstanceServer&) = delete;
    InstanceServer& operator=(const InstanceServer&) = delete;

    // Listens at `path`, taking the place of a socket that a crashed copy left there (the
    // caller holds the lock, so no live copy listens there). False with the reason on failure.
    bool listen(const QString& path, QString* reason);

private:
    class Connection;

    void accept();

    Handler handler_;
    int listener_ = -1;
    QSocketNotifier* incoming_ = nullptr;
};
