#include "app/instance_server.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include "platform/unix_socket.h"

namespace {

// A request is a few hundred bytes sent at once; a connection that has not sent it by then is
// not a second start of ours.
constexpr int kRequestWaitMs = 5000;
// An answer is a few hundred bytes too; a second start that does not take it within this
// time is not waited for.
constexpr int kAnswerWaitMs = 1000;

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

}  // namespace

// One accepted connection: reads one request, within a bounded size and time, and closes when
// it has been answered or dropped.
class InstanceServer::Connection : public QObject {
public:
    Connection(int descriptor, InstanceServer* server)
        : QObject(server),
          server_(server),
          descriptor_(descriptor),
          readable_(new QSocketNotifier(descriptor, QSocketNotifier::Read, this)) {
        connect(readable_, &QSocketNotifier::activated, this, &Connection::read);
        QTimer::singleShot(kRequestWaitMs, this, [this] {
            if (reader_) {
                drop(QStringLiteral("incompleto"));
            }
        });
    }
    ~Connection() override { ::close(descriptor_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void drop(const QString& why) {
        std::fprintf(stderr, "Lumacap: pedido ignorado (%s)\n", why.toLocal8Bit().constData());
        finish();
    }

private:
    void read() {
        char bytes[4096];
        const ssize_t n = ::read(descriptor_, bytes, sizeof bytes);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            return;
        }
        if (n <= 0) {
            finish();  // the other end has gone (or failed): nothing to answer
            return;
        }
        if (!reader_) {
            return;  // after the request: nothing more is read
        }
        switch (reader_->add(QByteArray(bytes, n))) {
            case instance_message::FrameReader::State::NeedMore:
                return;
            case instance_message::FrameReader::State::TooLarge:
                drop(QStringLiteral("grande demais"));
                return;
            case instance_message::FrameReader::State::Complete:
                break;
        }
        const QByteArray payload = reader_->payload();
        reader_.reset();
        QString why;
        const auto request = instance_message::decodeRequest(payload, &why);
        if (!request) {
            drop(QStringLiteral("malformado: %1").arg(why));
            return;
        }
        QPointer<Connection> self(this);
        server_->handler_(*request, [self](const instance_message::Answer& answer) {
            if (self) {
                self->answer(answer);
            }
        });
    }

    void answer(const instance_message::Answer& answer) {
        // Blocking, but bounded: the answer fits the socket's buffer many times over.
        const int flags = ::fcntl(descriptor_, F_GETFL);
        ::fcntl(descriptor_, F_SETFL, flags & ~O_NONBLOCK);
        const timeval wait{kAnswerWaitMs / 1000, (kAnswerWaitMs % 1000) * 1000};
        ::setsockopt(descriptor_, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
        platform::sendAll(descriptor_, instance_message::encode(answer));
        finish();
    }

    void finish() {
        readable_->setEnabled(false);
        ::shutdown(descriptor_, SHUT_RDWR);
        deleteLater();
    }

    InstanceServer* server_;
    int descriptor_;
    QSocketNotifier* readable_;
    std::optional<instance_message::FrameReader> reader_{instance_message::FrameReader()};
};

InstanceServer::InstanceServer(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {}

InstanceServer::~InstanceServer() {
    if (listener_ >= 0) {
        ::close(listener_);
    }
}

bool InstanceServer::listen(const QString& path, QString* reason) {
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (native.size() >= qsizetype(sizeof(address.sun_path))) {
        *reason = QStringLiteral("não foi possível atender em %1: caminho longo demais").arg(path);
        return false;
    }
    std::memcpy(address.sun_path, native.constData(), native.size());
    ::unlink(native.constData());  // left by a copy that crashed
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    // Created for the user alone, before anyone can connect.
    const mode_t before = ::umask(0077);
    const bool bound =
        fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(before);
    if (!bound || ::listen(fd, SOMAXCONN) != 0) {
        *reason = QStringLiteral("não foi possível atender em %1: %2").arg(path, systemError());
        if (fd >= 0) {
            ::close(fd);
        }
        return false;
    }
    listener_ = fd;
    incoming_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(incoming_, &QSocketNotifier::activated, this, &InstanceServer::accept);
    return true;
}

void InstanceServer::accept() {
    for (;;) {
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            return;  // none left waiting (EAGAIN), or one gone before it was taken
        }
        auto* connection = new Connection(fd, this);  // owned by this server
        // The folder and the socket are the user's alone; this is the last word on who talks.
        if (!platform::peerIsThisUser(fd)) {
            connection->drop(QStringLiteral("de outro usuário"));
        }
    }
}
