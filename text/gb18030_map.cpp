#include "text/gb18030_map.h"

#include "text/utf8_encoding.h"

namespace tavenor {

namespace {

// A stretch of codes, in code order, whose characters follow each other from first.
struct Gb18030Run {
    char16_t first;
    std::uint16_t count;
};

#include "text/data/gb18030_tables.inc"

// How many codes the runs of a table cover.
template <std::size_t N> constexpr std::size_t codesOf(const Gb18030Run (&runs)[N])
{
    std::size_t codes = 0;
    for (const Gb18030Run& run : runs)
        codes += run.count;
    return codes;
}

} // namespace

const Gb18030Map& Gb18030Map::instance()
{
    static const Gb18030Map map;
    return map;
}

// The runs are unpacked into direct tables both ways.
Gb18030Map::Gb18030Map()
    : m_fromBmp(new std::uint32_t[0x10000]())
    , m_utf8FromTwoBytes(new std::uint32_t[kLeads * 256]())
    , m_fromFourBytes(new char16_t[kFourByteBmpCodes]())
{
    // Every two-byte code and every four-byte code of the BMP has its character, so the loops fill
    // exactly their tables. That each character has exactly one code is the tests' to check.
    static_assert(codesOf(kTwoByteRuns) == kLeads * (0xFE - 0x40));
    static_assert(codesOf(kFourByteBmpRuns) == kFourByteBmpCodes);
    unsigned lead = 0x81;
    unsigned trail = 0x40;
    for (const Gb18030Run& run : kTwoByteRuns) {
        for (char32_t character = run.first; character < run.first + run.count; ++character) {
            m_fromBmp[character] = lead << 8 | trail;
            const std::size_t slot = (lead - 0x81) * 256 + trail;
            // Every two-byte character is in the BMP: three bytes of UTF-8 at most.
            unsigned char utf8[4] = {};
            const std::size_t length = EncodeUtf8(character, reinterpret_cast<char*>(utf8));
            m_utf8FromTwoBytes[slot] = static_cast<std::uint32_t>(length) << 24
                | std::uint32_t{utf8[2]} << 16 | std::uint32_t{utf8[1]} << 8 | utf8[0];
            trail = trail == 0x7E ? 0x80 : trail + 1;
            if (trail == 0xFF) {
                trail = 0x40;
                ++lead;
            }
        }
    }
    std::size_t index = 0;
    for (const Gb18030Run& run : kFourByteBmpRuns) {
        for (char32_t character = run.first; character < run.first + run.count; ++character) {
            m_fromBmp[character] = fourByteCode(index);
            m_fromFourBytes[index++] = static_cast<char16_t>(character);
        }
    }
}

} // namespace tavenor
