#include "platform/clipboard_helper.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>
#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/unix_socket.h"

extern char** environ;

namespace platform {

namespace {

// The helper starts, reads the picture and takes the clipboard in a few milliseconds; a helper
// that has not done so by then is not coming.
constexpr int kHelperAnswerMs = 3000;

// The helper's one-line answer: "ok", or why it could not take the clipboard.
QByteArray readAnswer(int fd) {
    QByteArray line;
    QElapsedTimer waited;
    waited.start();
    while (!line.endsWith('\n') && waited.elapsed() < kHelperAnswerMs) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(kHelperAnswerMs - waited.elapsed())) <= 0) {
            continue;
        }
        char bytes[256];
        const ssize_t n = ::read(fd, bytes, sizeof bytes);
        if (n <= 0) {
            break;
        }
        line.append(bytes, n);
    }
    return line.trimmed();
}

// Helpers started by this program: each ends when another program takes the clipboard, and is
// reaped at the next start.
std::vector<pid_t> started;

void reapEnded() {
    std::erase_if(started, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

}  // namespace

bool startClipboardHelper(const QString& helper, const QByteArray& png, QString* reason) {
    reapEnded();
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        *reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, ends[1], 0);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // A session of its own: the terminal or the session that ends this program must not take
    // the helper along; and the signal handling this program changed goes back to the default.
    sigset_t defaults;
    sigemptyset(&defaults);
    for (const int s : {SIGTERM, SIGINT, SIGHUP, SIGPIPE}) {
        sigaddset(&defaults, s);
    }
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    const QByteArray program = QFile::encodeName(helper);
    char* argv[] = {const_cast<char*>(program.constData()), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.constData(), &files, &attributes, argv, environ);
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    ::close(ends[1]);
    if (spawned != 0) {
        ::close(ends[0]);
        *reason = QStringLiteral("não foi possível iniciar %1: %2")
                      .arg(helper, QString::fromLocal8Bit(std::strerror(spawned)));
        return false;
    }

    started.push_back(pid);

    char header[8];
    qToLittleEndian(static_cast<quint64>(png.size()), header);
    const bool sent = sendAll(ends[0], QByteArray(header, sizeof header)) && sendAll(ends[0], png);
    const QByteArray answer = sent ? readAnswer(ends[0]) : QByteArray();
    ::close(ends[0]);
    if (answer != "ok") {
        ::kill(pid, SIGTERM);  // whatever it is doing, it is not keeping the picture
        *reason = QStringLiteral("o ajudante da área de transferência falhou (%1)")
                      .arg(answer.isEmpty() ? QStringLiteral("sem resposta")
                                            : QString::fromLocal8Bit(answer));
        return false;
    }
    return true;
}

}  // namespace platform
