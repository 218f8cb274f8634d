#pragma once

#include <optional>
#include <string_view>

namespace tavenor {

// Whether a character is a Han ideograph, a character that lyrics sing: the CJK Unified
// Ideographs and their extensions (A, and B on in planes 2 and 3), the compatibility ideographs,
// and the ideographic zero 〇. Punctuation, kana, letters and digits are not.
bool IsHanCharacter(char32_t codePoint) noexcept;

// The Han character that a UTF-8 lyric is exactly, or nothing.
std::optional<char32_t> SingleHanCharacter(std::string_view lyric) noexcept;

} // namespace tavenor
