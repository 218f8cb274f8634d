#include "cli/json_string.h"

#include "codec/gb18030_codec.h"
#include "codec/gb18030_map.h"

#include <algorithm>
#include <array>
#include <cstdint>
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

constexpr std::uint64_t kHighBits = 0x8080808080808080;

// Whether any of eight bytes needs an escape: a control character, a quote or a backslash.
bool anyNeedsEscape(std::uint64_t eight)
{
    constexpr std::uint64_t ones = 0x0101010101010101;
    const auto anyBelow
        = [](std::uint64_t v, std::uint64_t n) { return (v - ones * n) & ~v & kHighBits; };
    return (anyBelow(eight, 0x20) | anyBelow(eight ^ (ones * '"'), 1)
            | anyBelow(eight ^ (ones * '\\'), 1))
        != 0;
}

// What a value's bytes are: GB18030, as the boxes hold it, or UTF-8 already.
enum class ValueBytes { Gb18030, Utf8 };

// Appends text as the inside of a JSON string of UTF-8. From GB18030 it decodes ASCII and the
// two-byte characters, nearly all that a box holds, on the way; at any other character it returns
// false, having appended nothing, so that the caller decodes the text first.
template <ValueBytes bytes> bool appendEscaped(std::string_view text, std::string& out)
{
    const Gb18030Map* map = nullptr;
    if constexpr (bytes == ValueBytes::Gb18030) {
        map = &Gb18030Map::instance();
        if (!map->usable())
            return false;
    }
    const std::size_t start = out.size();
    // Two bytes at most for each byte (an escape such as \n, or the three of UTF-8 for a two-byte
    // character); a \u00XX escape makes room for itself.
    out.resize(start + text.size() * 2);
    char* next = out.data() + start;
    // Most bytes stand as they are, so eight are tested at a time; eight with anything else among
    // them go one by one.
    for (std::size_t i = 0; i < text.size();) {
        std::uint64_t eight = 0;
        if (i + 8 <= text.size()) {
            std::memcpy(&eight, text.data() + i, 8);
            if (!anyNeedsEscape(eight) && (bytes == ValueBytes::Utf8 || (eight & kHighBits) == 0)) {
                std::memcpy(next, &eight, 8);
                next += 8;
                i += 8;
                continue;
            }
        }
        for (const std::size_t end = std::min(i + 8, text.size()); i < end;) {
            const auto byte = static_cast<unsigned char>(text[i]);
            if (bytes == ValueBytes::Gb18030 && byte >= 0x80) {
                const std::uint32_t utf8 = i + 1 < text.size()
                    ? map->twoByteUtf8(byte, static_cast<unsigned char>(text[i + 1]))
                    : 0;
                if (utf8 == 0) {
                    out.resize(start);
                    return false;
                }
                next[0] = static_cast<char>(utf8);
                next[1] = static_cast<char>(utf8 >> 8);
                next[2] = static_cast<char>(utf8 >> 16);
                next += utf8 >> 24;
                i += 2;
                continue;
            }
            const Escape& escape = kEscapes[byte];
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
            ++i;
        }
    }
    out.resize(static_cast<std::size_t>(next - out.data()));
    return true;
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
    if (!appendEscaped<ValueBytes::Gb18030>(boxText, out)) {
        std::string utf8;
        AppendGb18030AsUtf8(boxText, utf8);
        appendEscaped<ValueBytes::Utf8>(utf8, out);
    }
}

} // namespace tavenor
