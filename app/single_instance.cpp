#include "app/single_instance.h"

#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include "app/instance_handoff.h"
#include "platform/unix_socket.h"

namespace {

// A copy that holds the lock may still be starting (its settings, its display); this long a
// second start keeps trying to reach it before it gives up.
constexpr int kStartingCopyWaitMs = 10000;
constexpr int kRetryMs = 20;

}  // namespace

SingleInstance::SingleInstance() = default;

SingleInstance::~SingleInstance() {
    if (connection_ >= 0) {
        ::close(connection_);
    }
}

SingleInstance::Role SingleInstance::settle(QString* problem) {
    std::string reason;
    const auto place = instance_handoff::place(&reason);
    if (!place) {
        *problem = QString::fromLocal8Bit(reason.c_str());
        return Role::Alone;
    }
    socketPath_ = QFile::decodeName(place->socket.c_str());
    lock_ = std::make_unique<platform::InstanceLock>(place->lock);

    // The lock decides who is first, so that two starts at the same moment leave one copy; the
    // socket is only the way in. A copy that crashed left its socket but not its lock.
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (lock_->tryLock(&reason)) {
            return Role::First;
        }
        if (!reason.empty()) {
            *problem = QString::fromLocal8Bit(reason.c_str());
            return Role::Alone;
        }
        connection_ = platform::connectLocalSocket(socketPath_);
        if (connection_ >= 0) {
            return Role::Second;
        }
        if (waited.elapsed() > kStartingCopyWaitMs) {
            *problem = QStringLiteral("o Lumacap em execução não atende em %1").arg(socketPath_);
            return Role::Second;
        }
        QThread::msleep(kRetryMs);
    }
}

QByteArray SingleInstance::handOff() {
    if (!lock_ || !lock_->held()) {
        return instance_handoff::kAlone;
    }
    const std::string text =
        instance_handoff::text({lock_->handOff(), QFile::encodeName(socketPath_).toStdString()});
    return QByteArray::fromStdString(text);
}

SingleInstance::Role SingleInstance::adopt(const QByteArray& handedOff) {
    const auto first = instance_handoff::parse(handedOff.toStdString());
    if (!first) {
        return Role::Alone;
    }
    socketPath_ = QFile::decodeName(first->socket.c_str());
    lock_ = std::make_unique<platform::InstanceLock>(std::string());
    lock_->adopt(first->lockDescriptor);
    return Role::First;
}

int SingleInstance::takeConnection() {
    const int fd = connection_;
    connection_ = -1;
    return fd;
}
