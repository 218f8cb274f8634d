#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace tavenor {

// Memory for a whole input file. Fresh memory costs a page fault for each page on first touch;
// where the system offers huge pages (2 MiB rather than 4 KiB), the buffer asks for them, so that
// a file's worth of memory takes far fewer faults.
class InputBuffer {
public:
    std::string_view view() const noexcept { return {m_data.get(), m_size}; }

    // Room for at least `size` bytes, keeping the bytes that the buffer holds.
    void reserve(std::size_t size);
    std::size_t capacity() const noexcept { return m_capacity; }
    char* data() noexcept { return m_data.get(); }
    // The first `size` bytes, which the caller has filled, are the content.
    void setSize(std::size_t size) noexcept { m_size = size; }

private:
    // Fresh memory for size bytes, which std::free frees, or nullptr; from the platform's own file.
    static char* allocate(std::size_t size);

    struct Free {
        void operator()(char* memory) const noexcept { std::free(memory); }
    };

    std::unique_ptr<char[], Free> m_data;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

} // namespace tavenor
