#include "platform/memory_policy.h"

#include <cstdlib> // names the C library: __GLIBC__ is defined from here on

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace huebit {

void ReturnLargeBlocksToTheSystem() {
#if defined(__GLIBC__)
    // A fixed threshold also turns off glibc's adjustment of the heap's trim threshold, so the
    // top of the heap is given back too. 128 KiB is glibc's own starting value.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

} // namespace huebit
