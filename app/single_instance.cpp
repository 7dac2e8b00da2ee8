#include "app/single_instance.h"

#include <unistd.h>

#include <QElapsedTimer>
#include <QThread>

#include "platform/runtime_folder.h"
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
    const QString folder = platform::privateRuntimeFolder(problem);
    if (folder.isEmpty()) {
        return Role::Alone;
    }
    const QString base = folder + QLatin1Char('/') + platform::displayKey();
    socketPath_ = base + QStringLiteral(".socket");
    lock_ = std::make_unique<platform::InstanceLock>(base + QStringLiteral(".lock"));

    // The lock decides who is first, so that two starts at the same moment leave one copy; the
    // socket is only the way in. A copy that crashed left its socket but not its lock.
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (lock_->tryLock(problem)) {
            return Role::First;
        }
        if (!problem->isEmpty()) {
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
        return QByteArrayLiteral("alone");
    }
    return "first " + QByteArray::number(lock_->handOff()) + ' ' + socketPath_.toUtf8();
}

SingleInstance::Role SingleInstance::adopt(const QByteArray& handedOff) {
    const QList<QByteArray> parts = handedOff.split(' ');
    bool number = false;
    const int fd = parts.size() >= 3 && parts[0] == "first" ? parts[1].toInt(&number) : -1;
    if (!number || fd < 0) {
        return Role::Alone;
    }
    socketPath_ = QString::fromUtf8(handedOff.mid(parts[0].size() + parts[1].size() + 2));
    lock_ = std::make_unique<platform::InstanceLock>(QString());
    lock_->adopt(fd);
    return Role::First;
}

int SingleInstance::takeConnection() {
    const int fd = connection_;
    connection_ = -1;
    return fd;
}
