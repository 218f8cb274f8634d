// An OpenUtau project (.ustx) from arbitrary bytes. A file that reads is written back unchanged
// by an empty fill; filled with tricky lyrics (words YAML takes for booleans, nulls and numbers,
// indicators, escapes), some notes split in two or three, it is still YAML that reads back with
// the planned notes.

#include "fuzz_check.h"

#include "tests/support/parts_plan.h"

#include "project/project_file.h"
#include "project/ustx_file.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace tavenor::fuzz {
namespace {

constexpr std::array<std::string_view, 16> kLyrics{"no",   "n", "ん",           "は",  "~", "1:20",
                                                   "0x1F", "-", "a: b",         "#",   "'", "\"",
                                                   " a",   "",  "\t\n\xC2\x85", "x[y]"};

// Notes starting together may come back in another order when they lie in different parts.
std::vector<ScoreNote> Sorted(std::vector<ScoreNote> notes)
{
    std::sort(notes.begin(), notes.end(), [](const ScoreNote& a, const ScoreNote& b) {
        return std::tie(a.position, a.duration, a.tone, a.lyric)
            < std::tie(b.position, b.duration, b.tone, b.lyric);
    });
    return notes;
}

bool Same(const std::vector<ScoreNote>& a, const std::vector<ScoreNote>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.lyric == y.lyric && x.position == y.position && x.duration == y.duration
            && x.tone == y.tone;
    });
}

} // namespace
} // namespace tavenor::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tavenor;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::unique_ptr<ProjectFile> project;
    try {
        project = ReadUstxFile(bytes, std::nullopt);
    } catch (const ProjectError&) {
        return 0;
    }
    FUZZ_CHECK(project->filled({}) == bytes);
    const std::vector<ScoreNote>& notes = project->notes();
    std::vector<std::vector<std::string>> parts;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        std::vector<std::string>& lyric = parts.emplace_back();
        const std::size_t count = i % 6 == 4 ? 3 : i % 3 == 1 ? 2 : 1;
        for (std::size_t k = 0; k < count; ++k)
            lyric.emplace_back(fuzz::kLyrics[(i + k * 5) % fuzz::kLyrics.size()]);
    }
    const FillPlan plan = testing::PartsPlan(notes, parts);
    std::string filled;
    try {
        filled = project->filled(plan);
    } catch (const ProjectError&) {
        return 0; // a split past the last tick OpenUtau reads
    }
    std::unique_ptr<ProjectFile> again;
    try {
        again = ReadUstxFile(filled, std::nullopt);
    } catch (const ProjectError& error) {
        std::fprintf(stderr, "the filled file does not read back: %s\n", error.what());
        FUZZ_CHECK(false);
    }
    FUZZ_CHECK(
        fuzz::Same(fuzz::Sorted(again->notes()), fuzz::Sorted(testing::PlannedNotes(notes, plan))));
    return 0;
}
