#include "cli/json_line.h"

#include "codec/gb18030_codec.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace tavenor {
namespace {

// The escape of each byte of UTF-8 in a JSON string, empty for the bytes that stand as they are:
// the short forms, or \u00XX for the other control characters. No byte of a multi-byte
// character needs one.
constexpr auto kEscapes = [] {
    struct Escape {
        char spelled[6];
        unsigned char length;
    };
    std::array<Escape, 256> escapes{};
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
bool anyNeedsEscape(std::uint64_t eight)
{
    constexpr std::uint64_t ones = 0x0101010101010101;
    constexpr std::uint64_t highs = 0x8080808080808080;
    const auto anyBelow
        = [](std::uint64_t v, std::uint64_t n) { return (v - ones * n) & ~v & highs; };
    return (anyBelow(eight, 0x20) | anyBelow(eight ^ (ones * '"'), 1)
            | anyBelow(eight ^ (ones * '\\'), 1))
        != 0;
}

void appendJsonString(std::string_view utf8, std::string& out)
{
    const std::size_t start = out.size();
    // Six bytes at most for each byte, and the quotes.
    out.resize(start + utf8.size() * 6 + 2);
    char* next = out.data() + start;
    *next++ = '"';
    // Most bytes stand as they are, so eight are tested at a time; eight with an escape among them
    // go one by one.
    for (std::size_t i = 0; i < utf8.size();) {
        std::uint64_t eight = 0;
        if (i + 8 <= utf8.size()) {
            std::memcpy(&eight, utf8.data() + i, 8);
            if (!anyNeedsEscape(eight)) {
                std::memcpy(next, &eight, 8);
                next += 8;
                i += 8;
                continue;
            }
        }
        for (const std::size_t end = std::min(i + 8, utf8.size()); i < end; ++i) {
            const auto& escape = kEscapes[static_cast<unsigned char>(utf8[i])];
            if (escape.length == 0)
                *next++ = utf8[i];
            else
                next = std::copy_n(escape.spelled, escape.length, next);
        }
    }
    *next++ = '"';
    out.resize(static_cast<std::size_t>(next - out.data()));
}

} // namespace

void JsonLineWriter::append(std::span<const JsonMember> members, std::string& out)
{
    out += '{';
    for (const JsonMember& member : members) {
        if (&member != members.data())
            out += ',';
        out += '"';
        out += member.key;
        out += "\":";
        m_utf8.clear();
        AppendGb18030AsUtf8(member.value, m_utf8);
        appendJsonString(m_utf8, out);
    }
    out += "}\n";
}

} // namespace tavenor
