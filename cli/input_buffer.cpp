#include "cli/input_buffer.h"

#include <cstring>
#include <new>

namespace tavenor {

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
