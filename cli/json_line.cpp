#include "cli/json_line.h"

#include "codec/gb18030_codec.h"

#include <algorithm>

namespace tavenor {
namespace {

// The escape of one byte of UTF-8 in a JSON string, if it needs one: the short forms, or \u00XX
// for the other control characters. No byte of a multi-byte character needs one.
std::string_view escapeOf(unsigned char c, char (&spelled)[7])
{
    switch (c) {
    case '"': return "\\\"";
    case '\\': return "\\\\";
    case '\n': return "\\n";
    case '\r': return "\\r";
    case '\t': return "\\t";
    default:
        if (c >= 0x20)
            return {};
        constexpr std::string_view hex = "0123456789abcdef";
        std::copy_n("\\u00", 4, spelled);
        spelled[4] = hex[c >> 4];
        spelled[5] = hex[c & 0xF];
        return {spelled, 6};
    }
}

// The value is decoded in place at the end of out, then spread out backwards to make room for
// its escapes, so that no copy of it is needed.
void appendJsonString(std::string_view gb18030, std::string& out)
{
    out += '"';
    const std::size_t start = out.size();
    AppendGb18030AsUtf8(gb18030, out);
    const std::size_t end = out.size();
    char spelled[7];
    std::size_t extra = 0;
    for (std::size_t i = start; i < end; ++i)
        extra += std::max<std::size_t>(escapeOf(static_cast<unsigned char>(out[i]), spelled).size(),
                                       1)
            - 1;
    out.resize(end + extra);
    for (std::size_t from = end, to = end + extra; from > start && to != from;) {
        const char c = out[--from];
        const std::string_view escape = escapeOf(static_cast<unsigned char>(c), spelled);
        if (escape.empty()) {
            out[--to] = c;
        } else {
            to -= escape.size();
            std::copy(escape.begin(), escape.end(), out.begin() + static_cast<std::ptrdiff_t>(to));
        }
    }
    out += '"';
}

} // namespace

void AppendJsonLine(std::span<const JsonMember> members, std::string& out)
{
    out += '{';
    for (const JsonMember& member : members) {
        if (&member != members.data())
            out += ',';
        out += '"';
        out += member.key;
        out += "\":";
        appendJsonString(member.value, out);
    }
    out += "}\n";
}

} // namespace tavenor
