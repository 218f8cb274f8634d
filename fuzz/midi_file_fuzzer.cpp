// A MIDI file from arbitrary bytes: it reads or gives one error naming a byte, never crashes.
// Written back with nothing to fill, it is the same bytes. Filled (most notes a lyric, some split
// as the fill splits, in two or three parts), it reads back as the plan's notes; a file whose
// notes of one key overlap may refuse the splits, never the lyrics.

#include "fuzz_check.h"

#include "project/midi_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace tavenor::fuzz {
namespace {

bool namesAByte(const ProjectError& error)
{
    return std::string_view(error.what()).starts_with("byte ");
}

// Every fifth note is left alone, every seventh gets an empty lyric; with splits, one note in
// three is split in two and one in three in three.
FillPlan planFor(const std::vector<ScoreNote>& notes, bool split)
{
    FillPlan plan;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        if (i % 5 == 4)
            continue;
        NoteFill fill;
        fill.note = i;
        fill.lyric = i % 7 == 6 ? "" : i % 2 == 0 ? "\xE3\x81\xAF" : "a" + std::to_string(i);
        fill.duration = notes[i].duration;
        const std::int64_t parts = split ? static_cast<std::int64_t>(i % 3) + 1 : 1;
        if (parts > 1 && fill.duration >= parts) {
            const std::int64_t tail = std::min<std::int64_t>(120, fill.duration / parts);
            fill.duration -= (parts - 1) * tail;
            for (std::int64_t part = 1; part < parts; ++part)
                fill.added.push_back({part == 1 ? "o" : "", tail});
        }
        plan.fills.push_back(fill);
    }
    return plan;
}

std::vector<std::tuple<std::int64_t, int, std::int64_t, std::string>>
sorted(const std::vector<ScoreNote>& notes)
{
    std::vector<std::tuple<std::int64_t, int, std::int64_t, std::string>> keys;
    for (const ScoreNote& note : notes)
        keys.emplace_back(note.position, note.tone, note.duration, note.lyric);
    std::sort(keys.begin(), keys.end());
    return keys;
}

std::vector<ScoreNote> plannedNotes(const std::vector<ScoreNote>& notes, const FillPlan& plan)
{
    std::vector<ScoreNote> planned = notes;
    for (const NoteFill& fill : plan.fills) {
        ScoreNote& note = planned[fill.note];
        note.lyric = fill.lyric;
        note.duration = fill.duration;
        std::int64_t start = note.position + note.duration;
        for (const AddedNote& added : fill.added) {
            planned.push_back({added.lyric, start, added.duration, notes[fill.note].tone});
            start += added.duration;
        }
    }
    return planned;
}

void checkFill(const ProjectFile& file, const FillPlan& plan, const std::string& written)
{
    const auto reread = ReadMidiFile(written, std::nullopt);
    FUZZ_CHECK(sorted(reread->notes()) == sorted(plannedNotes(file.notes(), plan)));
}

} // namespace
} // namespace tavenor::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tavenor;
    using namespace tavenor::fuzz;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const std::optional<int> track : {std::optional<int>(), std::optional<int>(2)}) {
        try {
            FUZZ_CHECK(ReadMidiFile(bytes, track)->filled({}) == bytes);
        } catch (const ProjectError& error) {
            FUZZ_CHECK(namesAByte(error));
        }
    }

    std::unique_ptr<ProjectFile> file;
    try {
        file = ReadMidiFile(bytes, std::nullopt);
    } catch (const ProjectError&) {
        return 0;
    }
    FillPlan plan = planFor(file->notes(), true);
    std::string written;
    try {
        written = file->filled(plan);
    } catch (const ProjectError& error) {
        FUZZ_CHECK(namesAByte(error));
        plan = planFor(file->notes(), false);
        written = file->filled(plan);
    }
    checkFill(*file, plan, written);
    return 0;
}
