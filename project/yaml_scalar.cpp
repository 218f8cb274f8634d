#include "project/yaml_scalar.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>

namespace tavenor {
namespace {

// A code point and its length in bytes, or length 0 where the bytes are not UTF-8.
struct Decoded {
    char32_t code = 0;
    std::size_t length = 0;
};

Decoded DecodeAt(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    char32_t code = 0;
    char32_t least = 0;
    if (lead < 0x80)
        return {lead, 1};
    if (lead >= 0xC2 && lead < 0xE0) {
        length = 2, code = lead & 0x1FU, least = 0x80;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        length = 3, code = lead & 0x0FU, least = 0x800;
    } else if (lead >= 0xF0 && lead < 0xF5) {
        length = 4, code = lead & 0x07U, least = 0x10000;
    } else {
        return {};
    }
    if (text.size() - at < length)
        return {};
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0U) != 0x80)
            return {};
        code = (code << 6U) | (next & 0x3FU);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
        return {};
    return {code, length};
}

// A character that only a double-quoted scalar's escape carries: the YAML standards' line
// breaks, tabs (which other styles fold or trim) and what they do not take as printable.
bool NeedsEscape(char32_t c)
{
    const bool printable = (c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c < 0xD800)
        || (c >= 0xE000 && c < 0xFFFE && c != 0xFEFF) || c >= 0x10000;
    return !printable || c == 0x2028 || c == 0x2029;
}

// Plain words that a YAML 1.1 or 1.2 reader takes for a boolean or a null in some case; compared
// lowercased, as some readers fold case.
bool IsReservedWord(std::string_view text)
{
    static constexpr std::array<std::string_view, 11> words
        = {"y", "n", "yes", "no", "true", "false", "on", "off", "null", "=", "<<"};
    if (text.size() > 5)
        return false;
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return std::find(words.begin(), words.end(), lower) != words.end();
}

bool NeedsQuotes(std::string_view text)
{
    if (text.empty() || IsReservedWord(text))
        return true;
    // A leading digit, sign or dot starts every number (decimal, 0x, 0o, 1_000, 1:20, .inf, .nan)
    // and timestamp; a leading indicator changes what the scalar is.
    static constexpr std::string_view leading = "0123456789+-.~?:,[]{}#&*!|>'\"%@`= ";
    if (leading.find(text.front()) != std::string_view::npos || text.back() == ' ')
        return true;
    // Anywhere: a key or comment separator, or what ends a plain scalar in a flow collection.
    return text.find_first_of(":#,[]{}'\"") != std::string_view::npos;
}

void AppendEscaped(std::string& out, char32_t c)
{
    switch (c) {
    case '\t': out += "\\t"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '"': out += "\\\""; return;
    case '\\': out += "\\\\"; return;
    case 0x85: out += "\\N"; return;
    case 0x2028: out += "\\L"; return;
    case 0x2029: out += "\\P"; return;
    default: break;
    }
    std::array<char, 12> buffer{};
    if (c < 0x100)
        std::snprintf(buffer.data(), buffer.size(), "\\x%02X", static_cast<unsigned>(c));
    else
        std::snprintf(buffer.data(), buffer.size(), "\\u%04X", static_cast<unsigned>(c));
    out += buffer.data();
}

} // namespace

std::optional<std::string> YamlScalar(std::string_view text, bool plainAllowed)
{
    bool escaped = false;
    for (std::size_t at = 0; at < text.size();) {
        const Decoded decoded = DecodeAt(text, at);
        if (decoded.length == 0)
            return std::nullopt;
        escaped = escaped || NeedsEscape(decoded.code);
        at += decoded.length;
    }
    if (escaped) {
        std::string out = "\"";
        for (std::size_t at = 0; at < text.size();) {
            const Decoded decoded = DecodeAt(text, at);
            if (!NeedsEscape(decoded.code) && decoded.code != '"' && decoded.code != '\\')
                out.append(text.substr(at, decoded.length));
            else
                AppendEscaped(out, decoded.code);
            at += decoded.length;
        }
        return out + '"';
    }
    if (plainAllowed && !NeedsQuotes(text))
        return std::string(text);
    std::string out = "'";
    for (const char c : text) {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    return out + '\'';
}

} // namespace tavenor
