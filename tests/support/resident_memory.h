#pragma once

#include <fstream>
#include <string>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tavenor::testing {

// Resident memory of this process in KiB, 0 where the system does not tell (/proc is Linux's).
// Freed memory that the allocator still holds is given back first, so that what is left is what
// the process keeps.
inline double ResidentKiB()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
    std::ifstream status("/proc/self/status");
    std::string field;
    while (status >> field) {
        if (field == "VmRSS:") {
            double kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 10, '\n');
    }
    return 0;
}

// What the allocator has handed out and not had back, in KiB: the live data, without the pages
// that freed memory leaves partly used. 0 where the allocator does not tell.
inline double HeapInUseKiB()
{
#if defined(__GLIBC__)
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / 1024;
#else
    return 0;
#endif
}

} // namespace tavenor::testing
