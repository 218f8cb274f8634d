#pragma once

#include "text/gb18030_characters.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace tavenor {

// GB18030 character by character, exactly as ICU's converter maps it, from tables built into the
// program, so that every system converts alike and none needs ICU at run time.
class Gb18030Map {
public:
    // The map of this process, made on first use.
    static const Gb18030Map& instance();

    // Writes the GB18030 bytes of a Unicode scalar value (no surrogate) at out, which has room for
    // four; returns how many.
    std::size_t encode(char32_t codePoint, char* out) const noexcept
    {
        if (codePoint < 0x80) {
            out[0] = static_cast<char>(codePoint);
            return 1;
        }
        const std::uint32_t code = codePoint < 0x10000
            ? m_fromBmp[codePoint]
            : fourByteCode(codePoint - 0x10000 + kFirstSupplementaryIndex);
        if (code <= 0xFFFF) {
            out[0] = static_cast<char>(code >> 8);
            out[1] = static_cast<char>(code);
            return 2;
        }
        for (int i = 0; i < 4; ++i)
            out[i] = static_cast<char>(code >> (24 - 8 * i));
        return 4;
    }

    // The character at the start of bytes (not empty): its code point and its length in bytes.
    // What is no character becomes U+FFFD, as ICU reads it: a byte that cannot start a
    // character, a lead whose next byte is FF (both), a lead that no character follows (the lead
    // alone, so that the rest is read again), an unassigned four-byte code (all four). A
    // sequence cut off by the end of the text is read likewise, lead by lead, rather than
    // dropped.
    struct Decoded {
        char32_t codePoint;
        std::size_t length;
    };
    // The UTF-8 of a two-byte code's character: its bytes from the lowest, its length in the
    // top byte; 0 when lead and trail make none.
    std::uint32_t twoByteUtf8(unsigned char lead, unsigned char trail) const noexcept
    {
        return lead - 0x81u < kLeads ? m_utf8FromTwoBytes[(lead - 0x81u) * 256 + trail] : 0;
    }

    // The character of a two-byte code, or 0 when lead and trail make none: read back from its
    // UTF-8, the one table of the two-byte codes.
    char16_t twoByteCharacter(unsigned char lead, unsigned char trail) const noexcept
    {
        const std::uint32_t utf8 = twoByteUtf8(lead, trail);
        if (utf8 >> 24 == 2)
            return static_cast<char16_t>((utf8 & 0x1Fu) << 6 | (utf8 >> 8 & 0x3Fu));
        return static_cast<char16_t>((utf8 & 0x0Fu) << 12 | (utf8 >> 8 & 0x3Fu) << 6
                                     | (utf8 >> 16 & 0x3Fu));
    }

    Decoded decode(std::string_view bytes) const noexcept
    {
        const auto byte = [bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
        const unsigned lead = byte(0);
        const std::size_t length = Gb18030CharacterLength(bytes);
        if (length == 1)
            return {lead < 0x80 ? lead : kReplacement, 1};
        if (length == 2) {
            const char16_t character = twoByteCharacter(static_cast<unsigned char>(lead), byte(1));
            return {character != 0 ? character : kReplacement, 2};
        }
        const std::size_t index
            = (((lead - 0x81) * 10 + (byte(1) - 0x30)) * 126 + (byte(2) - 0x81)) * 10
            + (byte(3) - 0x30);
        if (index < kFourByteBmpCodes)
            return {m_fromFourBytes[index], 4};
        if (index >= kFirstSupplementaryIndex && index - kFirstSupplementaryIndex < 0x100000)
            return {static_cast<char32_t>(0x10000 + index - kFirstSupplementaryIndex), 4};
        return {kReplacement, 4};
    }

    // The four bytes, packed big-endian, of the four-byte code numbered index from 81 30 81 30.
    static std::uint32_t fourByteCode(std::size_t index) noexcept
    {
        const auto b4 = static_cast<std::uint32_t>(0x30 + index % 10);
        index /= 10;
        const auto b3 = static_cast<std::uint32_t>(0x81 + index % 126);
        index /= 126;
        const auto b2 = static_cast<std::uint32_t>(0x30 + index % 10);
        const auto b1 = static_cast<std::uint32_t>(0x81 + index / 10);
        return b1 << 24 | b2 << 16 | b3 << 8 | b4;
    }

private:
    Gb18030Map();

    static constexpr std::size_t kLeads = 0xFE - 0x81 + 1;
    static constexpr char32_t kReplacement = 0xFFFD;
    // The BMP's four-byte codes run from 81 30 81 30 to 84 31 A4 39; U+10000 is 90 30 81 30, and
    // the other planes follow it in order.
    static constexpr std::size_t kFourByteBmpCodes = 39420;
    static constexpr std::size_t kFirstSupplementaryIndex = 189000;

    // Index code point: GB18030 bytes packed big-endian; two bytes above 0xFF, else four.
    std::unique_ptr<std::uint32_t[]> m_fromBmp;
    // Index (lead - 0x81) * 256 + trail: the UTF-8 of the character, as twoByteUtf8 gives it; 0 for
    // no two-byte character.
    std::unique_ptr<std::uint32_t[]> m_utf8FromTwoBytes;
    // Index of the four-byte code from 81 30 81 30: the BMP character.
    std::unique_ptr<char16_t[]> m_fromFourBytes;
};

} // namespace tavenor
