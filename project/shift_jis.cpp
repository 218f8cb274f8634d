#include "project/shift_jis.h"

#include "text/utf8_validation.h"

#include <cstdint>
#include <memory>

namespace tavenor {

namespace {

// A stretch of codes, in code order, whose characters follow each other from first; first is
// kNoCharacter for codes that have none.
struct ShiftJisRun {
    char16_t first;
    std::uint16_t count;
};

// A character that is encoded to a code that reads back as another character.
struct ShiftJisExtra {
    char16_t character;
    std::uint16_t code;
};

#include "project/data/shift_jis_tables.inc"

constexpr char16_t kNoCharacter = 0xFFFF;

bool isLead(unsigned byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
bool isTrail(unsigned byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }

// Both directions unpacked into direct tables on first use.
class ShiftJisTables {
public:
    static const ShiftJisTables& instance()
    {
        static const ShiftJisTables tables;
        return tables;
    }

    // Indexed by the code: a single byte, or lead << 8 | trail.
    char16_t character(std::uint16_t code) const { return m_fromCode[code]; }
    // The code of a BMP character, or 0 when it has none (U+0000 is ASCII, handled apart).
    std::uint16_t code(char32_t character) const
    {
        return character < 0x10000 ? m_toCode[character] : 0;
    }

private:
    ShiftJisTables()
        : m_fromCode(new char16_t[0x10000])
        , m_toCode(new std::uint16_t[0x10000]())
    {
        for (std::size_t i = 0; i < 0x10000; ++i)
            m_fromCode[i] = kNoCharacter;
        // A character that several codes read as is written with the first of them.
        const auto add = [this](std::uint16_t code, char16_t character) {
            m_fromCode[code] = character;
            if (character != kNoCharacter && m_toCode[character] == 0)
                m_toCode[character] = code;
        };
        unsigned byte = 0;
        for (const ShiftJisRun& run : kSingleByteRuns) {
            for (unsigned i = 0; i < run.count && byte < 0x100; ++i, ++byte)
                add(static_cast<std::uint16_t>(byte),
                    run.first == kNoCharacter ? kNoCharacter
                                              : static_cast<char16_t>(run.first + i));
        }
        unsigned lead = 0x81;
        unsigned trail = 0x40;
        for (const ShiftJisRun& run : kTwoByteRuns) {
            for (unsigned i = 0; i < run.count && lead <= 0xFC; ++i) {
                add(static_cast<std::uint16_t>(lead << 8 | trail),
                    run.first == kNoCharacter ? kNoCharacter
                                              : static_cast<char16_t>(run.first + i));
                trail = trail == 0x7E ? 0x80 : trail + 1;
                if (trail > 0xFC) {
                    trail = 0x40;
                    lead = lead == 0x9F ? 0xE0 : lead + 1;
                }
            }
        }
        for (const ShiftJisExtra& extra : kEncodingExtras)
            m_toCode[extra.character] = extra.code;
    }

    std::unique_ptr<char16_t[]> m_fromCode;
    std::unique_ptr<std::uint16_t[]> m_toCode;
};

void appendUtf8(char16_t character, std::string& utf8)
{
    if (character < 0x80) {
        utf8 += static_cast<char>(character);
    } else if (character < 0x800) {
        utf8 += static_cast<char>(0xC0 | character >> 6);
        utf8 += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        utf8 += static_cast<char>(0xE0 | character >> 12);
        utf8 += static_cast<char>(0x80 | (character >> 6 & 0x3F));
        utf8 += static_cast<char>(0x80 | (character & 0x3F));
    }
}

} // namespace

std::optional<std::size_t> AppendShiftJisAsUtf8(std::string_view shiftJis, std::string& utf8)
{
    const ShiftJisTables& tables = ShiftJisTables::instance();
    std::size_t offset = 0;
    while (offset < shiftJis.size()) {
        const auto byte = static_cast<unsigned char>(shiftJis[offset]);
        if (byte < 0x80) {
            utf8 += static_cast<char>(byte);
            ++offset;
            continue;
        }
        std::uint16_t code = byte;
        std::size_t length = 1;
        if (isLead(byte)) {
            if (offset + 1 == shiftJis.size())
                return offset;
            const auto trail = static_cast<unsigned char>(shiftJis[offset + 1]);
            if (!isTrail(trail))
                return offset;
            code = static_cast<std::uint16_t>(byte << 8 | trail);
            length = 2;
        }
        const char16_t character = tables.character(code);
        if (character == kNoCharacter)
            return offset;
        appendUtf8(character, utf8);
        offset += length;
    }
    return std::nullopt;
}

bool AppendUtf8AsShiftJis(std::string_view utf8, std::string& shiftJis)
{
    const ShiftJisTables& tables = ShiftJisTables::instance();
    while (!utf8.empty()) {
        const Utf8Sequence sequence = ReadUtf8Sequence(utf8);
        if (sequence.length == 0)
            return false;
        utf8.remove_prefix(sequence.length);
        if (sequence.codePoint < 0x80) {
            shiftJis += static_cast<char>(sequence.codePoint);
            continue;
        }
        const std::uint16_t code = tables.code(sequence.codePoint);
        if (code == 0)
            return false;
        if (code > 0xFF)
            shiftJis += static_cast<char>(code >> 8);
        shiftJis += static_cast<char>(code & 0xFF);
    }
    return true;
}

} // namespace tavenor
