#include "text/utf8_validation.h"

namespace tavenor {

std::optional<std::size_t> FindInvalidUtf8(std::string_view text) noexcept
{
    std::size_t offset = 0;
    while (offset < text.size()) {
        if (static_cast<unsigned char>(text[offset]) < 0x80) {
            ++offset;
            continue;
        }
        const std::size_t length = ReadUtf8Sequence(text.substr(offset)).length;
        if (length == 0)
            return offset;
        offset += length;
    }
    return std::nullopt;
}

} // namespace tavenor
