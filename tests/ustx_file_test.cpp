#include "project/ustx_file.h"

#include "project/project_file.h"
#include "tests/support/case_name.h"
#include "tests/support/parts_plan.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace tavenor {

bool operator==(const ScoreNote& a, const ScoreNote& b)
{
    return a.lyric == b.lyric && a.position == b.position && a.duration == b.duration
        && a.tone == b.tone;
}

void PrintTo(const ScoreNote& note, std::ostream* os)
{
    *os << "{" << note.lyric << " @" << note.position << " +" << note.duration << " t" << note.tone
        << "}";
}

namespace {

using testing::PartsPlan;

std::string DataFile(const std::string& name)
{
    std::ifstream in(std::string(TAVENOR_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string WithCrLf(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

// An OpenUtau project as current OpenUtau writes it: a byte-order mark, two tracks, the first
// with two parts, Chinese names and lyrics, a quoted lyric, a pitch curve.
const std::string kSample = DataFile("spring_dawn.ustx");

struct TrackCase {
    std::string name;
    std::string bytes;
    std::optional<int> track;
    std::vector<ScoreNote> notes;
};

class UstxNotes : public ::testing::TestWithParam<TrackCase> { };

TEST_P(UstxNotes, AreTheTracksNotesInTimeOrder)
{
    EXPECT_EQ(ReadUstxFile(GetParam().bytes, GetParam().track)->notes(), GetParam().notes);
}

const std::vector<ScoreNote> kFirstTrack
    = {{"春", 0, 480, 60},    {"眠", 480, 480, 62},  {"不", 960, 240, 64}, {"觉", 1200, 720, 62},
       {"晓", 1920, 480, 60}, {"处", 2400, 480, 62}, {"-", 2880, 480, 62}, {"闻", 3360, 480, 64}};

// Two parts of track 2 given later one first, and a track 1 part without notes.
const std::string kPartsOutOfOrder = "voice_parts:\n"
                                     "- {track_no: 0, position: 0, notes: []}\n"
                                     "- track_no: 1\n  position: 960\n  notes:\n"
                                     "  - {position: 0, duration: 240, tone: 70, lyric: 后}\n"
                                     "- notes:\n"
                                     "  - {position: 480, duration: 120, tone: 69, lyric: 先}\n"
                                     "  position: 0\n  track_no: 1\n";

INSTANTIATE_TEST_SUITE_P(
    Tracks, UstxNotes,
    ::testing::Values(TrackCase{"FirstTrackWithNotesByDefault", kSample, std::nullopt, kFirstTrack},
                      TrackCase{"TrackOne", WithCrLf(kSample), 1, kFirstTrack},
                      TrackCase{
                          "TrackTwo", kSample, 2, {{"a", 480, 480, 55}, {"ra", 960, 480, 57}}},
                      TrackCase{"PartsOutOfOrder",
                                kPartsOutOfOrder,
                                std::nullopt,
                                {{"先", 480, 120, 69}, {"后", 960, 240, 70}}},
                      TrackCase{"NoNotesAtAll", "voice_parts: []\n", std::nullopt, {}}),
    testing::CaseName());

struct FillCase {
    std::string name;
    std::string lineEnd;
};

class UstxFill : public ::testing::TestWithParam<FillCase> {
protected:
    std::string withLineEnds(const std::string& text) const
    {
        return GetParam().lineEnd == "\n" ? text : WithCrLf(text);
    }
};

TEST_P(UstxFill, NothingToFillGivesTheSameBytes)
{
    const std::string bytes = withLineEnds(kSample);
    const auto project = ReadUstxFile(bytes, std::nullopt);
    EXPECT_EQ(project->filled({}), bytes);
    // Each note given its own lyric and length changes nothing either.
    std::vector<std::vector<std::string>> own;
    for (const ScoreNote& note : project->notes())
        own.push_back({note.lyric});
    EXPECT_EQ(project->filled(PartsPlan(project->notes(), own)), bytes);
}

TEST_P(UstxFill, ReplacesLyricsInPlaceAndAddsNotesInTheSameStyle)
{
    const std::string bytes = withLineEnds(kSample);
    const auto project = ReadUstxFile(bytes, std::nullopt);
    // Splits on both parts, quoted lyrics in and out, the part-relative positions of part 2.
    const std::string filled = project->filled(PartsPlan(
        project->notes(),
        {{"ちゅ", "ん"}, {"み", "え", "ん"}, {"no"}, {}, {"しゃ", "あ", "お"}, {"ちゅ"}, {"a"}}));
    EXPECT_EQ(filled, withLineEnds(DataFile("spring_dawn_filled.ustx")));
}

INSTANTIATE_TEST_SUITE_P(LineEnds, UstxFill,
                         ::testing::Values(FillCase{"Lf", "\n"}, FillCase{"CrLf", "\r\n"}),
                         testing::CaseName());

// Layouts that OpenUtau does not write but a user's editor may: note 1 sings "no", then "ん"
// split off its end.
struct LayoutCase {
    std::string name;
    std::string bytes;
    std::string filled;
};

class UstxLayout : public ::testing::TestWithParam<LayoutCase> { };

TEST_P(UstxLayout, KeepsTheFileAsWrittenAroundTheFill)
{
    const auto project = ReadUstxFile(GetParam().bytes, std::nullopt);
    EXPECT_EQ(project->filled(PartsPlan(project->notes(), {{"no", "ん"}})), GetParam().filled);
}

constexpr std::string_view kBlockNote
    = "position: 360\n{k}duration: 120\n{k}tone: 60\n{k}lyric: ん\n{k}pitch:\n{k}  data:\n"
      "{k}  - {x: -40, y: 0, shape: io}\n{k}  - {x: 40, y: 0, shape: io}\n{k}  snap_first: true\n"
      "{k}vibrato: {length: 0, period: 175, depth: 25, in: 10, out: 10, shift: 0, drift: 0, "
      "vol_link: 0}\n{k}tuning: 0\n{k}phoneme_expressions: []\n{k}phoneme_overrides: []\n";

constexpr std::string_view kFlowNote
    = "{position: 360, duration: 120, tone: 60, lyric: ん, pitch: {data: [{x: -40, y: 0, shape: "
      "io}, {x: 40, y: 0, shape: io}], snap_first: true}, vibrato: {length: 0, period: 175, "
      "depth: 25, in: 10, out: 10, shift: 0, drift: 0, vol_link: 0}, tuning: 0, "
      "phoneme_expressions: [], phoneme_overrides: []}";

// The new note's lines, its keys indented by `keys` spaces.
std::string BlockNote(std::size_t keys)
{
    std::string text(kBlockNote);
    for (std::size_t at = 0; (at = text.find("{k}", at)) != std::string::npos;)
        text.replace(at, 3, std::string(keys, ' '));
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, UstxLayout,
    ::testing::Values(
        LayoutCase{"IndentedFourWithComments",
                   "voice_parts:\n    - notes:\n        -   lyric: \"春\"  # spring\n"
                   "            duration: 480 # ticks\n            tone: 60\n"
                   "            position: 0\n        # the end\n      name: 春\n",
                   "voice_parts:\n    - notes:\n        -   lyric: 'no'  # spring\n"
                   "            duration: 360 # ticks\n            tone: 60\n"
                   "            position: 0\n        -   "
                       + BlockNote(12) + "        # the end\n      name: 春\n"},
        LayoutCase{
            "FlowNotesInABlockList",
            "voice_parts:\n- notes:\n  - {position: 0, duration: 480, tone: 60, lyric: 春}\n"
            "  - {position: 480, duration: 480, tone: 60, lyric: 晓}\n",
            "voice_parts:\n- notes:\n  - {position: 0, duration: 360, tone: 60, lyric: 'no'}\n"
            "  - "
                + std::string(kFlowNote)
                + "\n  - {position: 480, duration: 480, tone: 60, lyric: 晓}\n"},
        LayoutCase{"FlowList",
                   "voice_parts: [{notes: [{lyric: 春, duration: 480, tone: 60, position: 0}]}]",
                   "voice_parts: [{notes: [{lyric: 'no', duration: 360, tone: 60, position: 0}, "
                       + std::string(kFlowNote) + "]}]"},
        LayoutCase{"EmptyLyricRightAfterItsColon",
                   "voice_parts:\n- notes:\n  - lyric:\n    position: 0\n    tone: 60\n"
                   "    duration: 1\n",
                   "voice_parts:\n- notes:\n  - lyric: 'no'\n    position: 0\n    tone: 60\n"
                   "    duration: 1\n"},
        LayoutCase{"BlockScalarLyricAndNoLastLineEnd",
                   "voice_parts:\n- notes:\n  -\n    lyric: |\n      春\n\n    position: 0\n"
                   "    tone: 60\n    duration: 480",
                   "voice_parts:\n- notes:\n  -\n    lyric: 'no'\n    position: 0\n"
                   "    tone: 60\n    duration: 360\n  - "
                       + BlockNote(4).substr(0, BlockNote(4).size() - 1)}),
    testing::CaseName());

struct MalformedCase {
    std::string name;
    std::string bytes;
    std::optional<int> track;
    std::string error;
};

class UstxMalformed : public ::testing::TestWithParam<MalformedCase> { };

TEST_P(UstxMalformed, IsOneErrorNamingTheLine)
{
    try {
        ReadUstxFile(GetParam().bytes, GetParam().track);
        ADD_FAILURE() << "read without an error";
    } catch (const ProjectError& error) {
        EXPECT_EQ(error.what(), GetParam().error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, UstxMalformed,
    ::testing::Values(
        MalformedCase{"NotYaml", "name: 春晓\nvoice_parts: [\n", std::nullopt,
                      "line 3, column 1: did not find expected node content (while parsing a "
                      "flow node)"},
        MalformedCase{"NotUtf8", "name: 春\nvoice_parts: \xE6\x98\n", std::nullopt,
                      "line 2 (byte 25): invalid trailing UTF-8 octet"},
        MalformedCase{"Utf16", "\xFF\xFEn\0a\0", std::nullopt,
                      "line 1: the file is UTF-16, not UTF-8"},
        MalformedCase{"NotAMapping", "- 春\n", std::nullopt,
                      "line 1, column 1: the project is not a YAML mapping"},
        MalformedCase{"NoVoiceParts", "name: 春晓\ntracks: []\n", std::nullopt,
                      "line 1, column 1: the project has no voice_parts"},
        MalformedCase{"NoteWithoutDuration",
                      "name: 春晓\nvoice_parts:\n- notes:\n  - lyric: 春\n    position: 0\n"
                      "    tone: 60\n",
                      std::nullopt, "line 4, column 5: the note has no duration"},
        MalformedCase{"DurationNotANumber",
                      "voice_parts:\n- notes:\n  - {lyric: 春, position: 0, tone: 60, "
                      "duration: 1.5}\n",
                      std::nullopt,
                      "line 3, column 49: the note's duration is not a whole number of the "
                      "range OpenUtau reads"},
        MalformedCase{
            "ToneWithTwoSigns",
            "voice_parts:\n- notes:\n  - {lyric: a, position: 0, tone: +-5, duration: 1}\n",
            std::nullopt,
            "line 3, column 35: the note's tone is not a whole number of the range "
            "OpenUtau reads"},
        MalformedCase{"AliasInANote",
                      "voice_parts:\n- notes:\n  - &n {lyric: 春, position: 0, tone: 60, "
                      "duration: 480}\n  - {lyric: *x, position: 0, tone: 60, duration: 480}\n",
                      std::nullopt, "line 4, column 13: an alias in a note is not supported"},
        MalformedCase{"TwoDocuments", "voice_parts: []\n---\nvoice_parts: []\n", std::nullopt,
                      "line 2, column 1: the file holds more than one YAML document"},
        MalformedCase{"TrackWithoutNotes", kSample, 3, "track 3 has no notes"}),
    testing::CaseName());

} // namespace
} // namespace tavenor
