#include "ReportMemory.h"

#include <mutex>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace orv::reports {

void keepReportMemoryInHeap() {
#if defined(__GLIBC__)
    static std::once_flag once;
    std::call_once(once, [] {
        // Blocks up to 32 MB come from the heap, not from mappings of their
        // own, and up to 64 MB freed at its top stays there.
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    });
#endif
}

} // namespace orv::reports
