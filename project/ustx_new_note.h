#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavenor {

// What a new note carries besides its place, pitch and lyric: what OpenUtau gives a note it
// creates (two pitch points of its default portamento, its default vibrato), since OpenUtau
// fails on a note whose pitch has no points. Its few lines are written here by hand, as
// OpenUtau writes a note: libyaml's emitter writes whole documents in its own style, and the
// rest of the file stays as it is.
struct UstxNewNote {
    std::int64_t position = 0; // in its part
    std::int64_t duration = 0;
    int tone = 0;
    std::string lyric; // already written as a YAML scalar
};

// The note as a block mapping entry of a block sequence, as OpenUtau writes one: its dash at
// `dashColumn`, its keys at `keyColumn`, every line ended by `lineEnd`.
std::string UstxBlockNote(const UstxNewNote& note, std::size_t dashColumn, std::size_t keyColumn,
                          std::string_view lineEnd);

// The note as one flow mapping, for a sequence whose notes are written that way.
std::string UstxFlowNote(const UstxNewNote& note);

} // namespace tavenor
