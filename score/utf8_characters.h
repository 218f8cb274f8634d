#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavenor {

// The character at the start of UTF-8 text (not empty) and its length in bytes. What is no
// well-formed character (a stray byte, an overlong form, a surrogate, a cut-off sequence) reads
// as U+FFFD one byte long, so that a loop still moves on.
struct Utf8Character {
    char32_t codePoint;
    std::size_t length;
};
Utf8Character ReadUtf8Character(std::string_view text) noexcept;

// Appends the UTF-8 of a Unicode scalar value.
void AppendUtf8(char32_t codePoint, std::string& out);

} // namespace tavenor
