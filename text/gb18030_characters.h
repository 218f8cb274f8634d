#pragma once

#include <cstddef>
#include <string_view>

namespace tavenor {

// Length in bytes of the GB18030 character that starts text, as Gb18030Map::decode reads it: 1
// for ASCII, 2 or 4 for a multi-byte code, 2 for a lead and an FF (one malformed character, as
// ICU reads it too), and 1 for any other byte that starts no character, so that malformed input
// still advances one byte at a time. One rule for both, so that a text cut at its characters
// decodes piece by piece as it decodes whole. text must not be empty. Inline: every loop over
// characters takes this step.
inline std::size_t Gb18030CharacterLength(std::string_view text) noexcept
{
    const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto isLead = [](unsigned char b) { return b >= 0x81 && b <= 0xFE; };
    const auto isDigit = [](unsigned char b) { return b >= 0x30 && b <= 0x39; };
    if (!isLead(byte(0)) || text.size() < 2)
        return 1;
    if (byte(1) >= 0x40 && byte(1) != 0x7F)
        return 2;
    if (text.size() >= 4 && isDigit(byte(1)) && isLead(byte(2)) && isDigit(byte(3)))
        return 4;
    return 1;
}

} // namespace tavenor
