#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tavenor {

// Length in bytes of the GB18030 character that starts text: 1 for ASCII, 2 or 4 for a
// well-formed multi-byte character, and 1 for a byte that starts no well-formed character, so
// that malformed input still advances one byte at a time. text must not be empty.
std::size_t Gb18030CharacterLength(std::string_view text) noexcept;

// The text cut into its characters, in order.
std::vector<std::string_view> SplitGb18030Characters(std::string_view text);

// The same into characters, replacing what it held.
void SplitGb18030Characters(std::string_view text, std::vector<std::string_view>& characters);

} // namespace tavenor
