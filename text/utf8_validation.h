#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tavenor {

// The well-formed sequence at the start of text (not empty): its length in bytes and its code
// point, or length 0 when it is ill-formed. Inline: the loops over a whole input take this step.
struct Utf8Sequence {
    std::size_t length;
    char32_t codePoint;
};

// The ranges of the second byte exclude overlong forms, surrogates and code points past U+10FFFF.
inline Utf8Sequence ReadUtf8Sequence(std::string_view text) noexcept
{
    const auto inRange
        = [](unsigned char b, unsigned lo, unsigned hi) { return b >= lo && b <= hi; };
    const auto at = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = at(0);
    if (lead < 0x80)
        return {1, lead};
    // Three bytes led by E1 to EC, EE or EF take any continuation bytes: nearly every Chinese
    // character, so tested before the general rules.
    const auto isContinuation = [](unsigned char b) { return (b & 0xC0) == 0x80; };
    if (lead >= 0xE1 && lead <= 0xEF && lead != 0xED && text.size() >= 3 && isContinuation(at(1))
        && isContinuation(at(2)))
        return {
            3,
            static_cast<char32_t>((lead & 0x0Fu) << 12 | (at(1) & 0x3Fu) << 6 | (at(2) & 0x3Fu))};
    std::size_t length = 0;
    unsigned lo = 0x80;
    unsigned hi = 0xBF;
    char32_t codePoint = 0;
    if (inRange(lead, 0xC2, 0xDF)) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (inRange(lead, 0xE0, 0xEF)) {
        length = 3;
        lo = lead == 0xE0 ? 0xA0 : 0x80;
        hi = lead == 0xED ? 0x9F : 0xBF;
        codePoint = lead & 0x0F;
    } else if (inRange(lead, 0xF0, 0xF4)) {
        length = 4;
        lo = lead == 0xF0 ? 0x90 : 0x80;
        hi = lead == 0xF4 ? 0x8F : 0xBF;
        codePoint = lead & 0x07;
    } else {
        return {0, 0};
    }
    if (text.size() < length || !inRange(at(1), lo, hi))
        return {0, 0};
    for (std::size_t i = 1; i < length; ++i) {
        if (!inRange(at(i), 0x80, 0xBF))
            return {0, 0};
        codePoint = codePoint << 6 | (at(i) & 0x3F);
    }
    return {length, codePoint};
}

// The offset of the first byte that does not belong to well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF), or nothing when all of text is valid.
std::optional<std::size_t> FindInvalidUtf8(std::string_view text) noexcept;

} // namespace tavenor
