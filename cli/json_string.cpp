#include "cli/json_string.h"

#include "codec/gb18030_codec.h"
#include "text/bytes_at_a_time.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tavenor {
namespace {

// How each byte of UTF-8 stands in a JSON string: as itself, or escaped in the short form or as
// \u00XX for the other control characters. No byte of a multi-byte character needs an escape.
struct Escape {
    char spelled[6];
    unsigned char length;
};

constexpr auto kEscapes = [] {
    std::array<Escape, 256> escapes{};
    for (unsigned c = 0; c < 256; ++c)
        escapes[c] = {{static_cast<char>(c)}, 1};
    constexpr std::string_view hex = "0123456789abcdef";
    for (unsigned c = 0; c < 0x20; ++c)
        escapes[c] = {{'\\', 'u', '0', '0', hex[c >> 4], hex[c & 0xF]}, 6};
    escapes['"'] = {{'\\', '"'}, 2};
    escapes['\\'] = {{'\\', '\\'}, 2};
    escapes['\n'] = {{'\\', 'n'}, 2};
    escapes['\r'] = {{'\\', 'r'}, 2};
    escapes['\t'] = {{'\\', 't'}, 2};
    return escapes;
}();

// Whether any of eight bytes needs an escape: a control character, a quote or a backslash.
bool anyNeedsEscape(EightBytes eight)
{
    return eight.anyBelow(0x20) || eight.any('"') || eight.any('\\');
}

// Appends UTF-8 as the inside of a JSON string. Most bytes stand as they are, so eight are tested
// at a time; eight with anything else among them go one by one.
void appendEscaped(std::string_view utf8, std::string& out)
{
    const std::size_t start = out.size();
    // Two bytes at most for each byte (an escape such as \n); a \u00XX escape makes room for
    // itself.
    out.resize(start + utf8.size() * 2);
    char* next = out.data() + start;
    WalkEightAtATime(
        utf8, [](EightBytes eight) { return !anyNeedsEscape(eight); },
        [&next](EightBytes eight) {
            eight.store(next);
            next += 8;
        },
        [utf8, &next, &out](std::size_t i) {
            const Escape& escape = kEscapes[static_cast<unsigned char>(utf8[i])];
            if (escape.length > 2) {
                const auto used = static_cast<std::size_t>(next - out.data());
                out.resize(out.size() + escape.length - 2);
                next = std::copy_n(escape.spelled, escape.length, out.data() + used);
            } else {
                // Two bytes whatever the length, within the room of two for each byte: one jump
                // less for each byte.
                std::memcpy(next, escape.spelled, 2);
                next += escape.length;
            }
            return i + 1;
        });
    out.resize(static_cast<std::size_t>(next - out.data()));
}

bool isAscii(std::string_view text)
{
    bool ascii = true;
    WalkEightAtATime(
        text, [](EightBytes eight) { return eight.allAscii(); }, [](EightBytes) {},
        [text, &ascii](std::size_t i) {
            if (static_cast<unsigned char>(text[i]) < 0x80)
                return i + 1;
            ascii = false;
            return text.size();
        });
    return ascii;
}

} // namespace

void AppendJsonString(std::string_view boxText, std::string& out)
{
    out += '"';
    AppendJsonStringContent(boxText, out);
    out += '"';
}

void AppendJsonStringContent(std::string_view boxText, std::string& out)
{
    // ASCII, as nearly every pinyin list is, is UTF-8 already.
    if (isAscii(boxText)) {
        appendEscaped(boxText, out);
        return;
    }
    // Kept from text to text: a batch converts one text after another on each thread.
    thread_local std::string utf8;
    utf8.clear();
    AppendGb18030AsUtf8(boxText, utf8);
    appendEscaped(utf8, out);
}

} // namespace tavenor
