#include "score/sung_units.h"

#include "score/han_character.h"
#include "score/utf8_characters.h"

namespace tavenor {

bool SingsAUnit(std::string_view lyric, bool emptyIsRest) noexcept
{
    if (lyric.empty())
        return !emptyIsRest;
    return !(lyric == "R" || lyric == "r" || lyric == "-" || lyric.starts_with('+'));
}

std::vector<SungUnit> UnitsOfLyrics(std::string_view lyrics)
{
    std::vector<SungUnit> units;
    while (!lyrics.empty()) {
        const Utf8Character c = ReadUtf8Character(lyrics);
        if (IsHanCharacter(c.codePoint))
            units.push_back({c.codePoint, std::string(lyrics.substr(0, c.length)), 0});
        lyrics.remove_prefix(c.length);
    }
    return units;
}

std::vector<SungUnit> UnitsOfNotes(const std::vector<ScoreNote>& notes)
{
    std::vector<SungUnit> units;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        if (const auto character = SingleHanCharacter(notes[i].lyric))
            units.push_back({*character, notes[i].lyric, i});
    }
    return units;
}

} // namespace tavenor
