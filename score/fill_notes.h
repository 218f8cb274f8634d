#pragma once

#include "pinyin/pinyin_provider.h"
#include "score/fill_plan.h"
#include "score/score_note.h"
#include "table/syllable_table.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavenor {

// How every "lu" is read: as the character's own reading says, or always lu, or always lv.
enum class LuReading { Auto, Lu, Lv };

struct FillOptions {
    // UTF-8 lyrics whose Han characters are sung in order; without them, each note whose lyric is
    // one Han character sings it in place.
    std::optional<std::string> lyrics;
    bool romaji = false; // the table's romaji, not hiragana
    bool split = true; // a part a note
    std::int64_t tail = 120; // the longest a split-off part may be, in ticks
    LuReading lu = LuReading::Auto;
    // Whether a note with no lyric is a rest, as in .ust and .ustx; a MIDI file has no rest notes,
    // and its notes without a lyric event sing like the others.
    bool emptyLyricIsRest = true;
    // The user's syllable for each unit in order (UTF-8, as the table spells it: "lv" for lu
    // umlaut), in place of the character's own reading and the lu setting, so that one character
    // may sing two readings in one song. An empty entry, and a unit past the last, read as usual.
    std::vector<std::string> syllables;
};

// What filling the notes (in time order) with their syllables changes: each singing note's lyric
// becomes its syllable's first part, and each later part a note of its own, split off the end.
FillPlan PlanFill(const std::vector<ScoreNote>& notes, const FillOptions& options,
                  const SyllableTable& table, const PinyinProvider& provider);

} // namespace tavenor
