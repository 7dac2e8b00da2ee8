#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <fstream>

// Caps the process's address space at what it uses now plus `spare` bytes while the guard
// lives: a larger allocation then fails as it does on a machine out of memory (with
// overcommit, only a cap makes it fail at all).
class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(rlim_t spare) {
        ::getrlimit(RLIMIT_AS, &saved_);
        std::ifstream statm("/proc/self/statm");
        rlim_t pages = 0;
        statm >> pages;
        rlimit tight = saved_;
        tight.rlim_cur = pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + spare;
        ::setrlimit(RLIMIT_AS, &tight);
    }
    ~AddressSpaceLimit() { ::setrlimit(RLIMIT_AS, &saved_); }
    AddressSpaceLimit(const AddressSpaceLimit&) = delete;
    AddressSpaceLimit& operator=(const AddressSpaceLimit&) = delete;

private:
    rlimit saved_{};
};
