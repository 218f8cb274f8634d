#include "project/ustx_new_note.h"

namespace tavenor {
namespace {

constexpr std::string_view kFirstPitchPoint = "{x: -40, y: 0, shape: io}";
constexpr std::string_view kSecondPitchPoint = "{x: 40, y: 0, shape: io}";
constexpr std::string_view kVibrato
    = "{length: 0, period: 175, depth: 25, in: 10, out: 10, shift: 0, drift: 0, vol_link: 0}";

} // namespace

std::string UstxBlockNote(const UstxNewNote& note, std::size_t dashColumn, std::size_t keyColumn,
                          std::string_view lineEnd)
{
    const std::string keys(keyColumn, ' ');
    std::string text(dashColumn, ' ');
    text += '-';
    text.append(keyColumn - dashColumn - 1, ' ');
    const auto line = [&](std::string_view indent, std::string_view content) {
        text.append(indent);
        text.append(content);
        text.append(lineEnd);
    };
    line("", "position: " + std::to_string(note.position));
    line(keys, "duration: " + std::to_string(note.duration));
    line(keys, "tone: " + std::to_string(note.tone));
    line(keys, "lyric: " + note.lyric);
    line(keys, "pitch:");
    line(keys, "  data:");
    line(keys, "  - " + std::string(kFirstPitchPoint));
    line(keys, "  - " + std::string(kSecondPitchPoint));
    line(keys, "  snap_first: true");
    line(keys, "vibrato: " + std::string(kVibrato));
    line(keys, "tuning: 0");
    line(keys, "phoneme_expressions: []");
    line(keys, "phoneme_overrides: []");
    return text;
}

std::string UstxFlowNote(const UstxNewNote& note)
{
    return "{position: " + std::to_string(note.position)
        + ", duration: " + std::to_string(note.duration) + ", tone: " + std::to_string(note.tone)
        + ", lyric: " + note.lyric + ", pitch: {data: [" + std::string(kFirstPitchPoint) + ", "
        + std::string(kSecondPitchPoint) + "], snap_first: true}, vibrato: " + std::string(kVibrato)
        + ", tuning: 0, phoneme_expressions: [], phoneme_overrides: []}";
}

} // namespace tavenor
