#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/uio.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

#include "platform/services.h"

namespace platform {

namespace {

QString systemReason(int error, const QString& folder, const QString& file) {
    switch (error) {
        case EACCES:
        case EPERM:
            return QStringLiteral("sem permissão para gravar na pasta \"%1\"").arg(folder);
        case EROFS:
            return QStringLiteral("a pasta \"%1\" fica num disco somente de leitura").arg(folder);
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("não há espaço livre no disco da pasta \"%1\"").arg(folder);
        case ENOENT:
            return QStringLiteral("a pasta \"%1\" não existe").arg(folder);
        case ENOTDIR:
            return QStringLiteral("o caminho \"%1\" não é uma pasta").arg(folder);
        case ENAMETOOLONG:
            return QStringLiteral("o nome \"%1\" é longo demais").arg(file);
        case EISDIR:
            return QStringLiteral("\"%1\" é uma pasta, não um arquivo").arg(file);
        case EIO:
            return QStringLiteral("erro de entrada e saída no disco ao gravar \"%1\"").arg(file);
        case EFBIG:
            return QStringLiteral("o arquivo \"%1\" passaria do tamanho permitido").arg(file);
        default:
            return QStringLiteral("erro do sistema ao gravar \"%1\" (%2)")
                .arg(file, QString::fromLocal8Bit(std::strerror(error)));
    }
}

}  // namespace

int realSyncToDisk(int fd) {
    while (::fsync(fd) != 0) {
        if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

AtomicFile::AtomicFile(const QString& path) : path_(path) {
    // Saving over a symbolic link replaces the file it points to and keeps the link.
    const QFileInfo info(path);
    if (info.isSymLink() && info.exists()) {
        path_ = info.canonicalFilePath();
    }
}

AtomicFile::~AtomicFile() {
    if (!committed_) {
        discard();
    }
}

void AtomicFile::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempPath_.isEmpty()) {
        ::unlink(QFile::encodeName(tempPath_).constData());
        tempPath_.clear();
    }
}

bool AtomicFile::fail(int error, QString* reason) {
    if (reason) {
        const QFileInfo target(path_);
        *reason = systemReason(error, QDir::toNativeSeparators(target.absolutePath()),
                               QDir::toNativeSeparators(target.absoluteFilePath()));
    }
    discard();
    return false;
}

bool AtomicFile::openInPlace() {
    struct stat st {};
    const QByteArray name = QFile::encodeName(path_);
    if (::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return false;
    }
    fd_ = ::open(name.constData(), O_WRONLY | O_CLOEXEC);
    inPlace_ = fd_ >= 0;
    return inPlace_;
}

bool AtomicFile::open(QString* reason) {
    const QFileInfo target(path_);
    // The same folder, so that the final rename stays on one file system and is atomic.
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        tempPath_ = target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                    QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16,
                                                  QLatin1Char('0'));
        fd_ = ::open(QFile::encodeName(tempPath_).constData(),
                     O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) {
            const int error = errno;
            tempPath_.clear();
            // No new file in this folder, but the file itself may be writable.
            if ((error == EACCES || error == EPERM) && openInPlace()) {
                return true;
            }
            return fail(error, reason);
        }
    }
    if (fd_ < 0) {
        tempPath_.clear();
        if (reason) {
            *reason = QStringLiteral("não foi possível criar um arquivo temporário na pasta \"%1\"")
                          .arg(QDir::toNativeSeparators(target.absolutePath()));
        }
        return false;
    }
    // A file that is replaced keeps its permissions.
    struct stat old {};
    if (::stat(QFile::encodeName(path_).constData(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(fd_, old.st_mode & 07777);
    }
    return true;
}

bool AtomicFile::reserve(std::size_t length, QString* reason) {
    struct stat before {};
    if (::fstat(fd_, &before) != 0) {
        return fail(errno, reason);
    }
    int error = ::posix_fallocate(fd_, 0, static_cast<off_t>(length));
    if (error == EOPNOTSUPP) {
        // No reservation on this file system: at least the free space must do.
        struct statvfs disk {};
        const auto held = static_cast<unsigned long long>(before.st_blocks) * 512;
        error = ::fstatvfs(fd_, &disk) != 0 ? errno
                : held + static_cast<unsigned long long>(disk.f_bavail) * disk.f_frsize < length
                    ? ENOSPC
                    : 0;
    }
    if (error != 0) {
        // The old contents stay as they were, at their old length.
        [[maybe_unused]] const int restored = ::ftruncate(fd_, before.st_size);
        return fail(error, reason);
    }
    return true;
}

bool AtomicFile::write(std::span<const Chunk> chunks, QString* reason) {
    const QFileInfo target(path_);
    if (fd_ < 0) {
        if (reason) {
            *reason = QStringLiteral("o arquivo \"%1\" não foi aberto para gravação")
                          .arg(QDir::toNativeSeparators(target.absoluteFilePath()));
        }
        return false;
    }
    std::vector<iovec> pending;
    pending.reserve(chunks.size());
    std::size_t total = 0;
    for (const Chunk& p : chunks) {
        if (p.size > 0) {
            pending.push_back({const_cast<void*>(p.data), p.size});
            total += p.size;
        }
    }
    // Overwriting in place starts only when the whole file has room.
    if (inPlace_ && !reserve(written_ + total, reason)) {
        return false;
    }
    std::size_t next = 0;
    while (next < pending.size()) {
        const int count = static_cast<int>(std::min<std::size_t>(pending.size() - next, IOV_MAX));
        const ssize_t written = ::writev(fd_, pending.data() + next, count);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(errno, reason);
        }
        written_ += static_cast<std::size_t>(written);
        // Skip what went out; a short write resumes inside a chunk.
        std::size_t left = static_cast<std::size_t>(written);
        while (next < pending.size() && left >= pending[next].iov_len) {
            left -= pending[next].iov_len;
            ++next;
        }
        if (left > 0) {
            pending[next].iov_base = static_cast<char*>(pending[next].iov_base) + left;
            pending[next].iov_len -= left;
        }
    }
    return true;
}

bool AtomicFile::syncFolder(QString* reason) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path_).absolutePath());
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) {
        return fail(errno, reason);
    }
    const int error = platform::services().syncToDisk(dir);
    ::close(dir);
    // Some file systems cannot sync a folder (EINVAL): their renames need no sync.
    return error == 0 || error == EINVAL || fail(error, reason);
}

bool AtomicFile::commit(QString* reason) {
    if (fd_ < 0) {
        if (reason) {
            *reason = QStringLiteral("o arquivo \"%1\" não foi aberto para gravação")
                          .arg(QDir::toNativeSeparators(QFileInfo(path_).absoluteFilePath()));
        }
        return false;
    }
    // An old file overwritten in place may have been longer.
    if (inPlace_ && ::ftruncate(fd_, static_cast<off_t>(written_)) != 0) {
        return fail(errno, reason);
    }
    // On the disk before it takes the name: a power loss must not leave an empty file there.
    if (const int error = platform::services().syncToDisk(fd_); error != 0) {
        return fail(error, reason);
    }
    // Some file systems report a failed write only when the file is closed.
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0) {
        return fail(errno, reason);
    }
    if (!inPlace_) {
        if (::rename(QFile::encodeName(tempPath_).constData(),
                     QFile::encodeName(path_).constData()) != 0) {
            return fail(errno, reason);
        }
        tempPath_.clear();
        // The new name itself is on the disk only once the folder is.
        if (!syncFolder(reason)) {
            return false;
        }
    }
    committed_ = true;
    return true;
}

}  // namespace platform
