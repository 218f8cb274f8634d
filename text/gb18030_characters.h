#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tavenor {

// Length in bytes of the GB18030 character that starts text: 1 for ASCII, 2 or 4 for a
// well-formed multi-byte character, and 1 for a byte that starts no well-formed character, so
// that malformed input still advances one byte at a time. text must not be empty. Inline: every
// loop over characters takes this step.
inline std::size_t Gb18030CharacterLength(std::string_view text) noexcept
{
    const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto isLead = [](unsigned char b) { return b >= 0x81 && b <= 0xFE; };
    const auto isDigit = [](unsigned char b) { return b >= 0x30 && b <= 0x39; };
    if (!isLead(byte(0)) || text.size() < 2)
        return 1;
    if ((byte(1) >= 0x40 && byte(1) <= 0x7E) || (byte(1) >= 0x80 && byte(1) <= 0xFE))
        return 2;
    if (text.size() >= 4 && isDigit(byte(1)) && isLead(byte(2)) && isDigit(byte(3)))
        return 4;
    return 1;
}

// The text cut into its characters, in order.
std::vector<std::string_view> SplitGb18030Characters(std::string_view text);

} // namespace tavenor
