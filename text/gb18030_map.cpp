#include "text/gb18030_map.h"

namespace tavenor {

namespace {

// A stretch of codes, in code order, whose characters follow each other from first.
struct Gb18030Run {
    char16_t first;
    std::uint16_t count;
};

#include "text/data/gb18030_tables.inc"

bool isSurrogate(char32_t character) { return character >= 0xD800 && character <= 0xDFFF; }

} // namespace

const Gb18030Map& Gb18030Map::instance()
{
    static const Gb18030Map map;
    return map;
}

// The runs are unpacked into direct tables both ways; the checks accept only a one-to-one mapping
// of all of the BMP.
Gb18030Map::Gb18030Map()
    : m_fromBmp(new std::uint32_t[0x10000]())
    , m_fromTwoBytes(new char16_t[kLeads * 256]())
    , m_utf8FromTwoBytes(new std::uint32_t[kLeads * 256]())
    , m_fromFourBytes(new char16_t[kFourByteBmpCodes]())
{
    const auto claim = [this](char32_t character, std::uint32_t code) {
        if (character < 0x80 || isSurrogate(character) || m_fromBmp[character] != 0)
            return false;
        m_fromBmp[character] = code;
        return true;
    };

    unsigned lead = 0x81;
    unsigned trail = 0x40;
    for (const Gb18030Run& run : kTwoByteRuns) {
        for (char32_t character = run.first; character < run.first + run.count; ++character) {
            if (lead > 0xFE || !claim(character, lead << 8 | trail))
                return;
            const std::size_t slot = (lead - 0x81) * 256 + trail;
            m_fromTwoBytes[slot] = static_cast<char16_t>(character);
            // Every two-byte character is at least U+0080: two or three bytes of UTF-8.
            m_utf8FromTwoBytes[slot] = character < 0x800
                ? (2u << 24 | (0x80u | (character & 0x3Fu)) << 8 | (0xC0u | character >> 6))
                : (3u << 24 | (0x80u | (character & 0x3Fu)) << 16
                   | (0x80u | (character >> 6 & 0x3Fu)) << 8 | (0xE0u | character >> 12));
            trail = trail == 0x7E ? 0x80 : trail + 1;
            if (trail == 0xFF) {
                trail = 0x40;
                ++lead;
            }
        }
    }
    if (lead != 0xFF)
        return;

    std::size_t index = 0;
    for (const Gb18030Run& run : kFourByteBmpRuns) {
        for (char32_t character = run.first; character < run.first + run.count; ++character) {
            if (index == kFourByteBmpCodes || !claim(character, fourByteCode(index)))
                return;
            m_fromFourBytes[index++] = static_cast<char16_t>(character);
        }
    }
    if (index != kFourByteBmpCodes)
        return;

    for (char32_t character = 0x80; character < 0x10000; ++character) {
        if (m_fromBmp[character] == 0 && !isSurrogate(character))
            return;
    }
    m_usable = true;
}

} // namespace tavenor
