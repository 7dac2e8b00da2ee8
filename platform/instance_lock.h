#pragma once

#include <string>

namespace platform {

// An exclusive lock on a file that lasts as long as this object (or the process: the system
// drops it when a copy crashes, so a crashed copy never blocks the next start). Plain C++: the
// small starter takes it before any toolkit is loaded.
class InstanceLock {
public:
    explicit InstanceLock(std::string path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock if nobody holds it. False when another process holds it; `reason` is set
    // only when the lock file itself could not be used.
    bool tryLock(std::string* reason);
    bool held() const { return fd_ >= 0; }

    // For a program that replaces this one (exec): the held lock's descriptor, made to survive
    // the exec; this object no longer owns it.
    int handOff();
    // Takes over a lock handed off that way.
    void adopt(int descriptor);

private:
    std::string path_;
    int fd_ = -1;
};

}  // namespace platform
