#pragma once

#include <cstddef>

namespace tavenor {

// Writes the UTF-8 of a Unicode scalar value at out, which has room for four bytes; returns how
// many it wrote.
inline std::size_t EncodeUtf8(char32_t codePoint, char* out) noexcept
{
    if (codePoint < 0x80) {
        out[0] = static_cast<char>(codePoint);
        return 1;
    }
    if (codePoint < 0x800) {
        out[0] = static_cast<char>(0xC0 | codePoint >> 6);
        out[1] = static_cast<char>(0x80 | (codePoint & 0x3F));
        return 2;
    }
    if (codePoint < 0x10000) {
        out[0] = static_cast<char>(0xE0 | codePoint >> 12);
        out[1] = static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        out[2] = static_cast<char>(0x80 | (codePoint & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | codePoint >> 18);
    out[1] = static_cast<char>(0x80 | (codePoint >> 12 & 0x3F));
    out[2] = static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
    out[3] = static_cast<char>(0x80 | (codePoint & 0x3F));
    return 4;
}

} // namespace tavenor
