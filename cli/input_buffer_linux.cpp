#include "cli/input_buffer.h"

#include <sys/mman.h>

namespace tavenor {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

} // namespace

char* InputBuffer::allocate(std::size_t size)
{
    // Huge pages only ever back whole, aligned 2 MiB spans.
    const std::size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
    void* memory = std::aligned_alloc(kHugePage, rounded);
    if (memory != nullptr)
        madvise(memory, rounded, MADV_HUGEPAGE);
    return static_cast<char*>(memory);
}

} // namespace tavenor
