#include "platform/memory_return.h"

#include <cstdlib>  // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

void returnLargeBlocks() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
}

void giveMemoryBack() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

}  // namespace platform
