#include "cli/input_buffer.h"

#include <cstring>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace tavenor {
namespace {

#ifdef __linux__
constexpr std::size_t kHugePage = std::size_t{2} << 20;

char* allocate(std::size_t size)
{
    // Huge pages only ever back whole, aligned 2 MiB spans.
    const std::size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
    void* memory = std::aligned_alloc(kHugePage, rounded);
    if (memory != nullptr)
        madvise(memory, rounded, MADV_HUGEPAGE);
    return static_cast<char*>(memory);
}
#else
char* allocate(std::size_t size) { return static_cast<char*>(std::malloc(size)); }
#endif

} // namespace

void InputBuffer::reserve(std::size_t size)
{
    if (size <= m_capacity)
        return;
    char* memory = allocate(size);
    if (memory == nullptr)
        throw std::bad_alloc();
    if (m_size > 0)
        std::memcpy(memory, m_data.get(), m_size);
    m_data.reset(memory);
    m_capacity = size;
}

} // namespace tavenor
