#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
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
        default:
            return QStringLiteral("erro do sistema ao gravar \"%1\" (%2)")
                .arg(file, QString::fromLocal8Bit(std::strerror(error)));
    }
}

}  // namespace

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

bool AtomicFile::open(QString* reason) {
    const QFileInfo target(path_);
    const QString folder = QDir::toNativeSeparators(target.absolutePath());
    const QString file = QDir::toNativeSeparators(target.absoluteFilePath());
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
            if (reason) {
                *reason = systemReason(error, folder, file);
            }
            return false;
        }
    }
    if (fd_ < 0) {
        tempPath_.clear();
        if (reason) {
            *reason = QStringLiteral("não foi possível criar um arquivo temporário na pasta \"%1\"")
                          .arg(folder);
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
    for (const Chunk& p : chunks) {
        if (p.size > 0) {
            pending.push_back({const_cast<void*>(p.data), p.size});
        }
    }
    std::size_t next = 0;
    while (next < pending.size()) {
        const int count = static_cast<int>(std::min<std::size_t>(pending.size() - next, IOV_MAX));
        const ssize_t written = ::writev(fd_, pending.data() + next, count);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            if (reason) {
                *reason = systemReason(errno, QDir::toNativeSeparators(target.absolutePath()),
                                       QDir::toNativeSeparators(target.absoluteFilePath()));
            }
            discard();
            return false;
        }
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

bool AtomicFile::commit(QString* reason) {
    const QFileInfo target(path_);
    const QString folder = QDir::toNativeSeparators(target.absolutePath());
    const QString file = QDir::toNativeSeparators(target.absoluteFilePath());
    if (fd_ < 0) {
        if (reason) {
            *reason = QStringLiteral("o arquivo \"%1\" não foi aberto para gravação").arg(file);
        }
        return false;
    }
    // Some file systems report a failed write only when the file is closed.
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0 || ::rename(QFile::encodeName(tempPath_).constData(),
                                QFile::encodeName(path_).constData()) != 0) {
        if (reason) {
            *reason = systemReason(errno, folder, file);
        }
        discard();
        return false;
    }
    tempPath_.clear();
    committed_ = true;
    return true;
}

}  // namespace platform
