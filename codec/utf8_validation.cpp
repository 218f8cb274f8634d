#include "codec/utf8_validation.h"

namespace tavenor {
namespace {

bool inRange(unsigned char b, unsigned lo, unsigned hi) { return b >= lo && b <= hi; }

// Bytes taken by the well-formed sequence at the start of text, or 0 when it is ill-formed.
// The ranges of the second byte exclude overlong forms, surrogates and code points past U+10FFFF.
std::size_t sequenceLength(std::string_view text) noexcept
{
    const auto at = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = at(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned lo = 0x80;
    unsigned hi = 0xBF;
    if (inRange(lead, 0xC2, 0xDF)) {
        length = 2;
    } else if (inRange(lead, 0xE0, 0xEF)) {
        length = 3;
        lo = lead == 0xE0 ? 0xA0 : 0x80;
        hi = lead == 0xED ? 0x9F : 0xBF;
    } else if (inRange(lead, 0xF0, 0xF4)) {
        length = 4;
        lo = lead == 0xF0 ? 0x90 : 0x80;
        hi = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || !inRange(at(1), lo, hi))
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!inRange(at(i), 0x80, 0xBF))
            return 0;
    }
    return length;
}

} // namespace

std::optional<std::size_t> FindInvalidUtf8(std::string_view text) noexcept
{
    std::size_t offset = 0;
    while (offset < text.size()) {
        const std::size_t length = sequenceLength(text.substr(offset));
        if (length == 0)
            return offset;
        offset += length;
    }
    return std::nullopt;
}

} // namespace tavenor
