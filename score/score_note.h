#pragma once

#include <cstdint>
#include <string>

namespace tavenor {

// One note of a project, as every format gives it to the fill: its lyric as UTF-8, where it
// starts and how long it lasts in the file's own ticks, and its pitch as a MIDI note number.
struct ScoreNote {
    std::string lyric;
    std::int64_t position = 0;
    std::int64_t duration = 0;
    int tone = 60;
};

} // namespace tavenor
