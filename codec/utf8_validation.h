#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tavenor {

// The well-formed sequence at the start of text (not empty): its length in bytes and its code
// point, or length 0 when it is ill-formed.
struct Utf8Sequence {
    std::size_t length;
    char32_t codePoint;
};
Utf8Sequence ReadUtf8Sequence(std::string_view text) noexcept;

// The offset of the first byte that does not belong to well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF), or nothing when all of text is valid.
std::optional<std::size_t> FindInvalidUtf8(std::string_view text) noexcept;

} // namespace tavenor
