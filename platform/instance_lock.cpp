#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace platform {

InstanceLock::InstanceLock(std::string path) : path_(std::move(path)) {}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool InstanceLock::tryLock(std::string* reason) {
    if (fd_ >= 0) {
        return true;
    }
    // Close-on-exec: a helper the program starts must not keep the lock after it ends.
    const int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        *reason = "não foi possível abrir " + path_ + ": " + std::strerror(errno);
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

int InstanceLock::handOff() {
    const int fd = fd_;
    if (fd >= 0) {
        ::fcntl(fd, F_SETFD, ::fcntl(fd, F_GETFD) & ~FD_CLOEXEC);
    }
    fd_ = -1;
    return fd;
}

void InstanceLock::adopt(int descriptor) {
    // Close-on-exec again: the helpers this program starts must not keep the lock.
    ::fcntl(descriptor, F_SETFD, ::fcntl(descriptor, F_GETFD) | FD_CLOEXEC);
    fd_ = descriptor;
}

}  // namespace platform
