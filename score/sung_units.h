#pragma once

#include "score/score_note.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavenor {

// One Han character to be sung, and the note it was found on when the notes carry the lyrics.
struct SungUnit {
    char32_t character = 0;
    std::string utf8;
    std::size_t note = 0; // units from the notes only
};

// Whether a note takes a unit: every note but a rest (lyric R, r, or empty where emptyIsRest) and
// a continuation (a lyric that is "-" or starts with "+"), which keep their lyrics.
bool SingsAUnit(std::string_view lyric, bool emptyIsRest = true) noexcept;

// The Han characters of UTF-8 lyrics, in order; everything else between them (punctuation,
// blanks, line breaks, letters) only separates phrases.
std::vector<SungUnit> UnitsOfLyrics(std::string_view lyrics);

// Each note whose lyric is exactly one Han character, in place, in note order.
std::vector<SungUnit> UnitsOfNotes(const std::vector<ScoreNote>& notes);

} // namespace tavenor
