#pragma once

#include <QString>
#include <cstddef>
#include <span>

namespace platform {

// fsync: 0, or the error number. The real service behind services().syncToDisk.
int realSyncToDisk(int fd);

// A file written through a temporary file in the same folder, which takes the file's name only
// when everything was written and is on the disk (synced before the rename, the folder after),
// so that neither a failure nor a power loss leaves a half-written file under that name. The
// temporary file goes away on failure and when the object is dropped before commit().
//
// In a folder where no new file can be made, an existing file that may be written is
// overwritten in place instead, once room for the whole new file is reserved; only a failure
// of the disk itself can then leave it damaged, and that is reported.
//
// Failures give a reason in Portuguese, naming what failed and why.
class AtomicFile {
public:
    struct Chunk {
        const void* data;
        std::size_t size;
    };

    explicit AtomicFile(const QString& path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool open(QString* reason);
    // Writes the chunks one after the other, in few system calls.
    bool write(std::span<const Chunk> chunks, QString* reason);
    // Puts the written file in place of the target.
    bool commit(QString* reason);

private:
    bool openInPlace();
    bool reserve(std::size_t length, QString* reason);
    bool syncFolder(QString* reason);
    bool fail(int error, QString* reason);
    void discard();

    QString path_;
    QString tempPath_;
    int fd_ = -1;
    bool inPlace_ = false;
    std::size_t written_ = 0;
    bool committed_ = false;
};

}  // namespace platform
