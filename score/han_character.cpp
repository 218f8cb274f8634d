#include "score/han_character.h"

#include "score/utf8_characters.h"

namespace tavenor {

bool IsHanCharacter(char32_t c) noexcept
{
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF)
        || (c >= 0x20000 && c <= 0x3FFFF) || (c >= 0xF900 && c <= 0xFAFF) || c == 0x3007;
}

std::optional<char32_t> SingleHanCharacter(std::string_view lyric) noexcept
{
    if (lyric.empty())
        return std::nullopt;
    const Utf8Character first = ReadUtf8Character(lyric);
    if (first.length != lyric.size() || !IsHanCharacter(first.codePoint))
        return std::nullopt;
    return first.codePoint;
}

} // namespace tavenor
