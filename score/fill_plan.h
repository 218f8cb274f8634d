#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tavenor {

// A note that the fill inserts right after a filled note: the same pitch, its own lyric (UTF-8)
// and length. It starts where the note before it ends.
struct AddedNote {
    std::string lyric;
    std::int64_t duration = 0;
};

// What the fill does to one note of the notes it was given: a new lyric, the note's length after
// a split (its own length when nothing is split off), and the notes that follow it.
struct NoteFill {
    std::size_t note = 0; // its index among the notes given
    std::string lyric;
    std::int64_t duration = 0;
    std::vector<AddedNote> added;
};

// Something the user should know about a fill; it never stops the fill.
struct FillReport {
    enum class Kind {
        MissingSyllable, // the table has no row for a unit's syllable: the note sings the pinyin
        CharactersLeftOver, // lyrics remain when the notes run out
        NotesWithoutCharacter, // singing notes remain when the lyrics run out
        TooShortToSplit, // a note shorter than its parts: it gets the first part only
    };
    Kind kind;
    std::size_t note = 0; // the note concerned, or the first of them
    std::size_t count = 1; // how many characters or notes
    std::string text; // the syllable, or the characters left over (UTF-8)
};

// The whole fill: the notes it changes, in note order, and what to report.
struct FillPlan {
    std::vector<NoteFill> fills;
    std::vector<FillReport> reports;
};

} // namespace tavenor
