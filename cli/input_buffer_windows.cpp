#include "cli/input_buffer.h"

namespace tavenor {

// Plain memory: Windows grants large pages only to accounts with the right to lock pages.
char* InputBuffer::allocate(std::size_t size) { return static_cast<char*>(std::malloc(size)); }

} // namespace tavenor
