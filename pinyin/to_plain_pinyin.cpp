#include "pinyin/to_plain_pinyin.h"

#include "text/gb18030_characters.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

namespace tavenor {
namespace {

struct MarkedLetter {
    std::string_view bytes;
    char letter;
};

// The GB18030 forms of the marked letters that pinyin uses, lower case (two bytes) and upper
// case (four bytes); "v" stands for u-umlaut, which the plain form writes "u". U+1E3F (m with
// acute) has two encodings in use, A8 BC and 81 35 F4 37.
// clang-format off
constexpr auto kMarkedLetters = std::to_array<MarkedLetter>({
    {"\xA8\xA1", 'a'}, {"\xA8\xA2", 'a'}, {"\xA8\xA3", 'a'}, {"\xA8\xA4", 'a'},
    {"\x81\x30\x8B\x38", 'a'}, {"\x81\x30\x86\x39", 'a'}, {"\x81\x30\x9F\x35", 'a'}, {"\x81\x30\x86\x38", 'a'},
    {"\xA8\xA5", 'e'}, {"\xA8\xA6", 'e'}, {"\xA8\xA7", 'e'}, {"\xA8\xA8", 'e'}, {"\xA8\xBA", 'e'},
    {"\x81\x30\x8D\x35", 'e'}, {"\x81\x30\x87\x37", 'e'}, {"\x81\x30\x8E\x32", 'e'}, {"\x81\x30\x87\x36", 'e'},
    {"\x81\x30\x87\x38", 'e'},
    {"\xA8\xA9", 'i'}, {"\xA8\xAA", 'i'}, {"\xA8\xAB", 'i'}, {"\xA8\xAC", 'i'},
    {"\x81\x30\x8F\x37", 'i'}, {"\x81\x30\x88\x31", 'i'}, {"\x81\x30\x9F\x36", 'i'}, {"\x81\x30\x88\x30", 'i'},
    {"\xA8\xAD", 'o'}, {"\xA8\xAE", 'o'}, {"\xA8\xAF", 'o'}, {"\xA8\xB0", 'o'},
    {"\x81\x30\x92\x38", 'o'}, {"\x81\x30\x88\x37", 'o'}, {"\x81\x30\x9F\x37", 'o'}, {"\x81\x30\x88\x36", 'o'},
    {"\xA8\xB1", 'u'}, {"\xA8\xB2", 'u'}, {"\xA8\xB3", 'u'}, {"\xA8\xB4", 'u'},
    {"\x81\x30\x95\x37", 'u'}, {"\x81\x30\x89\x33", 'u'}, {"\x81\x30\x9F\x38", 'u'}, {"\x81\x30\x89\x32", 'u'},
    {"\xA8\xB9", 'v'}, {"\xA8\xB5", 'v'}, {"\xA8\xB6", 'v'}, {"\xA8\xB7", 'v'}, {"\xA8\xB8", 'v'},
    {"\x81\x30\x89\x35", 'v'}, {"\x81\x30\x9F\x39", 'v'}, {"\x81\x30\xA0\x30", 'v'}, {"\x81\x30\xA0\x31", 'v'},
    {"\x81\x30\xA0\x32", 'v'},
    {"\xA8\xBC", 'm'}, {"\x81\x35\xF4\x37", 'm'}, {"\x81\x35\xF4\x36", 'm'},
    {"\xA8\xBD", 'n'}, {"\xA8\xBE", 'n'}, {"\xA8\xBF", 'n'},
    {"\x81\x30\x92\x31", 'n'}, {"\x81\x30\x92\x34", 'n'}, {"\x81\x30\xA3\x30", 'n'},
});
// clang-format on

constexpr std::uint32_t packed(std::string_view bytes)
{
    std::uint32_t value = 0;
    for (const char b : bytes)
        value = value << 8 | static_cast<unsigned char>(b);
    return value;
}

// The same letters indexed for a quick lookup: the two-byte forms, which all start with A8, by
// their second byte; the four-byte forms as integers.
constexpr bool allTwoByteFormsStartWithA8()
{
    for (const MarkedLetter& m : kMarkedLetters) {
        if (m.bytes.size() == 2 && static_cast<unsigned char>(m.bytes[0]) != 0xA8)
            return false;
    }
    return true;
}
static_assert(allTwoByteFormsStartWithA8());

constexpr auto kLetterAfterA8 = [] {
    std::array<char, 256> letters{};
    for (const MarkedLetter& m : kMarkedLetters) {
        if (m.bytes.size() == 2)
            letters[static_cast<unsigned char>(m.bytes[1])] = m.letter;
    }
    return letters;
}();

struct FourByteForm {
    std::uint32_t bytes;
    char letter;
};

constexpr std::size_t kFourByteForms = static_cast<std::size_t>(
    std::count_if(kMarkedLetters.begin(), kMarkedLetters.end(),
                  [](const MarkedLetter& m) { return m.bytes.size() == 4; }));

constexpr auto kFourByteLetters = [] {
    std::array<FourByteForm, kFourByteForms> forms{};
    std::size_t next = 0;
    for (const MarkedLetter& m : kMarkedLetters) {
        if (m.bytes.size() == 4)
            forms[next++] = {packed(m.bytes), m.letter};
    }
    return forms;
}();

char markedLetter(std::string_view character)
{
    if (character.size() == 2)
        return static_cast<unsigned char>(character[0]) == 0xA8
            ? kLetterAfterA8[static_cast<unsigned char>(character[1])]
            : 0;
    if (character.size() == 4) {
        const std::uint32_t bytes = packed(character);
        for (const FourByteForm& form : kFourByteLetters) {
            if (form.bytes == bytes)
                return form.letter;
        }
    }
    return 0;
}

// Each ASCII letter's plain form, lower case; 0 for any other byte.
constexpr auto kAsciiLetters = [] {
    std::array<char, 128> letters{};
    for (char c = 'a'; c <= 'z'; ++c) {
        letters[static_cast<unsigned char>(c)] = c;
        letters[static_cast<unsigned char>(c - 'a' + 'A')] = c;
    }
    return letters;
}();

// The plain letter of each two-byte marked letter by its second byte: u-umlaut is plain "u".
constexpr auto kPlainAfterA8 = [] {
    std::array<char, 256> letters = kLetterAfterA8;
    std::replace(letters.begin(), letters.end(), 'v', 'u');
    return letters;
}();

// The plain letter of a character of more than one byte, or 0.
char plainLetter(std::string_view character)
{
    const char letter = markedLetter(character);
    return letter == 'v' ? 'u' : letter;
}

} // namespace

std::string ToPlainPinyin(std::string_view reading)
{
    std::string plain;
    AppendPlainPinyin(reading, plain);
    return plain;
}

void AppendPlainPinyin(std::string_view reading, std::string& out)
{
    const char* const bytes = reading.data();
    const std::size_t size = reading.size();
    for (std::size_t i = 0; i < size;) {
        // A reading is ASCII letters and at most one two-byte marked vowel, A8 A1 to A8 BF; both
        // are taken by table.
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const auto trail = static_cast<unsigned char>(bytes[i + 1 < size ? i + 1 : i]);
        const bool marked = lead == 0xA8 && trail >= 0xA1 && trail <= 0xBF && i + 1 < size;
        if (lead >= 0x80 && !marked) [[unlikely]] {
            const std::size_t length = Gb18030CharacterLength(reading.substr(i));
            if (const char letter = plainLetter(reading.substr(i, length)))
                out.push_back(letter);
            i += length;
            continue;
        }
        const char letter = marked ? kPlainAfterA8[trail] : kAsciiLetters[lead & 0x7F];
        if (letter != 0) [[likely]]
            out.push_back(letter);
        i += 1 + static_cast<std::size_t>(marked);
    }
}

bool HasUmlautU(std::string_view reading)
{
    while (!reading.empty()) {
        const std::size_t length = Gb18030CharacterLength(reading);
        if (length > 1 && markedLetter(reading.substr(0, length)) == 'v')
            return true;
        reading.remove_prefix(length);
    }
    return false;
}

} // namespace tavenor
