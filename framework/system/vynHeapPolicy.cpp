#include "vynHeapPolicy.h"

#include <cstdlib> // defines __GLIBC__ with the GNU C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace vyn {

bool KeepHeapForFrames() {
#if defined(__GLIBC__)
    // Both at once: setting either one alone stops glibc's own adjustment of the other.
    const bool blocks = mallopt(M_MMAP_THRESHOLD, static_cast<int>(HeapBlockLimitBytes)) == 1;
    const bool kept = mallopt(M_TRIM_THRESHOLD, static_cast<int>(HeapKeptBytes)) == 1;
    return blocks && kept;
#else
    return false;
#endif
}

} // namespace vyn
