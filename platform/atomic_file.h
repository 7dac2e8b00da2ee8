#pragma once

#include <QString>
#include <cstddef>
#include <span>

namespace platform {

// A file written through a temporary file in the same folder, which takes the file's name only
// when everything was written: a failure never leaves a half-written file under that name and
// never harms a file that was there before. The temporary file goes away on failure and when
// the object is dropped before commit().
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
    void discard();

    QString path_;
    QString tempPath_;
    int fd_ = -1;
    bool committed_ = false;
};

}  // namespace platform
