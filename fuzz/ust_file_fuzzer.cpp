// The .ust reader on arbitrary bytes, as a project and as a plugin's file: it reads them or
// throws ProjectError, and a file it reads comes back byte for byte when nothing is filled. A
// fill that gives every note a kana lyric reads back with exactly those lyrics and the same
// timing: in a project with a note split off each note (their sections numbered anew), in a
// plugin's file with new lengths only, since [#INSERT] is the host's to read.

#include "fuzz_check.h"

#include "project/ust_file.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace tavenor::fuzz {
namespace {

const std::string kFirst = "\xE3\x81\x82"; // あ
const std::string kSplit = "\xE3\x82\x93"; // ん

std::unique_ptr<ProjectFile> readOrNothing(std::string_view bytes, UstKind kind)
{
    try {
        return ReadUstFile(bytes, kind);
    } catch (const ProjectError&) {
        return nullptr;
    }
}

void checkSplitProject(const ProjectFile& file)
{
    const auto& notes = file.notes();
    FillPlan plan;
    for (std::size_t i = 0; i < notes.size(); ++i)
        plan.fills.push_back({i,
                              kFirst,
                              notes[i].duration - notes[i].duration / 2,
                              {{kSplit, notes[i].duration / 2}}});
    const std::string filled = file.filled(plan);
    const auto again = ReadUstFile(filled, UstKind::Project);
    FUZZ_CHECK(again->notes().size() == 2 * notes.size());
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const ScoreNote& first = again->notes()[2 * i];
        const ScoreNote& split = again->notes()[2 * i + 1];
        FUZZ_CHECK(first.lyric == kFirst && split.lyric == kSplit);
        FUZZ_CHECK(first.position == notes[i].position);
        FUZZ_CHECK(split.position + split.duration == notes[i].position + notes[i].duration);
        FUZZ_CHECK(first.tone == notes[i].tone && split.tone == notes[i].tone);
    }
}

void checkRelyricedPluginFile(const ProjectFile& file)
{
    const auto& notes = file.notes();
    FillPlan plan;
    for (std::size_t i = 0; i < notes.size(); ++i)
        plan.fills.push_back({i, kFirst, notes[i].duration / 2, {}});
    const auto again = ReadUstFile(file.filled(plan), UstKind::PluginTempFile);
    FUZZ_CHECK(again->notes().size() == notes.size());
    for (std::size_t i = 0; i < notes.size(); ++i) {
        FUZZ_CHECK(again->notes()[i].lyric == kFirst);
        FUZZ_CHECK(again->notes()[i].duration == notes[i].duration / 2);
        FUZZ_CHECK(again->notes()[i].tone == notes[i].tone);
    }
}

} // namespace
} // namespace tavenor::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tavenor;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const UstKind kind : {UstKind::Project, UstKind::PluginTempFile}) {
        const auto file = fuzz::readOrNothing(bytes, kind);
        if (!file)
            continue;
        FUZZ_CHECK(file->filled({}) == bytes);
        if (kind == UstKind::Project)
            fuzz::checkSplitProject(*file);
        else
            fuzz::checkRelyricedPluginFile(*file);
    }
    return 0;
}
