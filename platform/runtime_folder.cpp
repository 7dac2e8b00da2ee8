#include "platform/runtime_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>

namespace platform {

namespace {

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool ownPrivateFolder(const struct stat& st) {
    return S_ISDIR(st.st_mode) && st.st_uid == getuid() && (st.st_mode & 077) == 0;
}

// `path` as a folder of this user's that only they can enter, made if missing.
bool ensurePrivateFolder(const QString& path, QString* reason) {
    const QByteArray native = QFile::encodeName(path);
    if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        *reason = QStringLiteral("não foi possível criar a pasta %1: %2").arg(path, systemError());
        return false;
    }
    struct stat st {};
    // lstat: a link planted under that name must not lead us elsewhere.
    if (lstat(native.constData(), &st) != 0) {
        *reason = QStringLiteral("não foi possível ler a pasta %1: %2").arg(path, systemError());
        return false;
    }
    if (!ownPrivateFolder(st)) {
        *reason = QStringLiteral("a pasta %1 não é só deste usuário").arg(path);
        return false;
    }
    return true;
}

bool usableRuntimeDir(const QString& dir) {
    struct stat st {};
    return !dir.isEmpty() && lstat(QFile::encodeName(dir).constData(), &st) == 0 &&
           ownPrivateFolder(st);
}

}  // namespace

QString privateRuntimeFolder(QString* reason) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString folder = usableRuntimeDir(runtime)
                               ? runtime + QStringLiteral("/lumacap")
                               : QStringLiteral("/tmp/lumacap-%1").arg(getuid());
    return ensurePrivateFolder(folder, reason) ? folder : QString();
}

QString displayKey() {
    QString display = qEnvironmentVariable("DISPLAY");
    QString kind = QStringLiteral("x11");
    if (display.isEmpty()) {
        display = qEnvironmentVariable("WAYLAND_DISPLAY");
        kind = QStringLiteral("wayland");
    }
    if (display.isEmpty()) {
        return QStringLiteral("none");
    }
    // ":0" and ":0.0" are the same display; the screen number does not part them.
    static const QRegularExpression screen(QStringLiteral("\\.\\d+$"));
    if (kind == QLatin1String("x11")) {
        display.remove(screen);
    }
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9_.-]+"));
    display.replace(unsafe, QStringLiteral("-"));
    return kind + QLatin1Char('-') + display.remove(QRegularExpression(QStringLiteral("^-+")));
}

}  // namespace platform
