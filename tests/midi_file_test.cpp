// The MIDI reader's rules and errors on bytes made by hand; whole files from another writer are
// checked by midi_file_test.py.

#include "project/midi_file.h"

#include "tests/support/case_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavenor {
namespace {

std::string bigEndian(std::size_t value, int bytes)
{
    std::string text;
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        text += static_cast<char>(value >> shift);
    return text;
}

std::string header(int format, std::size_t tracks, int division = 480)
{
    return std::string("MThd") + bigEndian(6, 4) + bigEndian(static_cast<std::size_t>(format), 2)
        + bigEndian(tracks, 2) + bigEndian(static_cast<std::size_t>(division), 2);
}

std::string trackChunk(const std::string& events)
{
    return "MTrk" + bigEndian(events.size(), 4) + events;
}

// A file of format 1 whose tracks hold these events (the track's first byte is byte 22).
std::string fileOf(const std::vector<std::string>& tracks)
{
    std::string file = header(1, tracks.size());
    for (const std::string& events : tracks)
        file += trackChunk(events);
    return file;
}

const std::string kEnd("\x00\xFF\x2F\x00", 4);

struct ErrorCase {
    const char* name;
    std::string bytes;
    std::optional<int> track;
    std::string error;
    friend void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }
};

class MidiFileErrorTest : public ::testing::TestWithParam<ErrorCase> { };

TEST_P(MidiFileErrorTest, NamesTheByte)
{
    try {
        ReadMidiFile(GetParam().bytes, GetParam().track);
        ADD_FAILURE() << "read without an error";
    } catch (const ProjectError& error) {
        EXPECT_EQ(error.what(), GetParam().error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, MidiFileErrorTest,
    ::testing::Values(
        ErrorCase{"Empty", "", {}, "byte 0: no MIDI file header (MThd)"},
        ErrorCase{"NoHeader", "RIFF\x00\x00\x00\x06", {}, "byte 0: no MIDI file header (MThd)"},
        ErrorCase{"HeaderPastTheEnd",
                  header(1, 0).substr(0, 12),
                  {},
                  "byte 0: the header runs past the end of the file"},
        ErrorCase{"FormatTwo",
                  header(2, 1) + trackChunk(kEnd),
                  {},
                  "byte 8: format 2 is unsupported (only 0 and 1)"},
        ErrorCase{"Smpte",
                  header(1, 1, 0xE728) + trackChunk(kEnd),
                  {},
                  "byte 12: SMPTE time division is unsupported (only ticks per quarter note)"},
        ErrorCase{"FormatZeroOfTwoTracks",
                  header(0, 2) + trackChunk(kEnd) + trackChunk(kEnd),
                  {},
                  "byte 10: a file of format 0 holds one track, not 2"},
        ErrorCase{"ChunkPastTheEnd",
                  header(1, 1) + "MTrk" + bigEndian(100, 4) + kEnd,
                  {},
                  "byte 14: a chunk of 100 bytes runs past the end of the file"},
        ErrorCase{"ChunkHeaderCutShort",
                  fileOf({kEnd}) + "MTr",
                  {},
                  "byte 26: a chunk header cut short by the end of the file"},
        ErrorCase{"FewerTracksThanCounted",
                  header(1, 2) + trackChunk(kEnd),
                  {},
                  "byte 10: the header counts 2 tracks, the file holds 1"},
        ErrorCase{"NumberOfFiveBytes",
                  fileOf({"\x80\x80\x80\x80\x01\x90\x3C\x40" + kEnd}),
                  {},
                  "byte 22: a variable-length number longer than four bytes"},
        ErrorCase{"NumberCutShort",
                  fileOf({std::string("\x00\x90\x3C\x40\x81", 5)}),
                  {},
                  "byte 26: an event cut short by the end of its track"},
        ErrorCase{"NoteCutShort",
                  fileOf({std::string("\x00\x90\x3C", 3)}),
                  {},
                  "byte 22: an event cut short by the end of its track"},
        ErrorCase{"MetaCutShort",
                  fileOf({std::string("\x00\xFF\x05\x05la", 6)}),
                  {},
                  "byte 22: an event cut short by the end of its track"},
        ErrorCase{"SysExCutShort",
                  fileOf({std::string("\x00\xF0\x7F\x01", 4)}),
                  {},
                  "byte 22: an event cut short by the end of its track"},
        ErrorCase{"DataWithoutStatus",
                  fileOf({std::string("\x00\x3C\x40", 3) + kEnd}),
                  {},
                  "byte 23: a data byte with no status before it"},
        ErrorCase{"DataByteAbove127",
                  fileOf({std::string("\x00\x90\x3C\x80", 4) + kEnd}),
                  {},
                  "byte 25: data byte 0x80 of a channel message is above 127"},
        ErrorCase{"SystemStatus",
                  fileOf({std::string("\x00\xF8", 2) + kEnd}),
                  {},
                  "byte 23: status 0xF8 is no event of a MIDI file"},
        ErrorCase{"EventAfterTheEnd",
                  fileOf({kEnd + std::string("\x00\x90\x3C\x40", 4)}),
                  {},
                  "byte 26: an event after the end of the track"},
        ErrorCase{"TrackNotThere", fileOf({kEnd, kEnd}), 3,
                  "byte 10: no track 3: the file holds 2"},
        ErrorCase{"TrackZero", fileOf({kEnd}), 0, "byte 10: no track 0: the file holds 1"}),
    testing::CaseName{});

struct NotesCase {
    const char* name;
    std::string events;
    std::vector<ScoreNote> notes;
    friend void PrintTo(const NotesCase& c, std::ostream* os) { *os << c.name; }
};

// Each note as "lyric position+duration tone", so that a difference shows which note.
std::vector<std::string> described(const std::vector<ScoreNote>& notes)
{
    std::vector<std::string> lines;
    for (const ScoreNote& note : notes) {
        lines.push_back(note.lyric + " " + std::to_string(note.position) + "+"
                        + std::to_string(note.duration) + " " + std::to_string(note.tone));
    }
    return lines;
}

class MidiFileNotesTest : public ::testing::TestWithParam<NotesCase> { };

TEST_P(MidiFileNotesTest, ReadsTheNotes)
{
    const auto file = ReadMidiFile(fileOf({GetParam().events}), {});
    EXPECT_EQ(described(file->notes()), described(GetParam().notes));
}

// Note-on C4 (60) and E4 (64) on channel 1 and 2, a note-off and a lyric "a".
const std::string kOn60("\x90\x3C\x64", 3);
const std::string kOff60("\x80\x3C\x40", 3);
const std::string kOn60Second("\x91\x3C\x64", 3);
const std::string kOff60Second("\x81\x3C\x40", 3);
const std::string kOn64("\x90\x40\x64", 3);
const std::string kOff64("\x80\x40\x40", 3);
const std::string kLyricA("\xFF\x05\x01"
                          "a");
const std::string kLyricB("\xFF\x05\x01"
                          "b");
const std::string k0(1, '\0');
const std::string k480("\x83\x60");

INSTANTIATE_TEST_SUITE_P(
    Tracks, MidiFileNotesTest,
    ::testing::Values(
        NotesCase{"LyricBeforeItsNote",
                  k0 + kLyricA + k0 + kOn60 + k480 + kOff60 + kEnd,
                  {{"a", 0, 480, 60}}},
        NotesCase{"LyricAfterItsNote",
                  k0 + kOn60 + k0 + kLyricA + k480 + kOff60 + kEnd,
                  {{"a", 0, 480, 60}}},
        NotesCase{"ChordEachNoteItsLyric",
                  k0 + kLyricA + k0 + kOn60 + k0 + kLyricB + k0 + kOn64 + k480 + kOff60 + k0
                      + kOff64 + kEnd,
                  {{"a", 0, 480, 60}, {"b", 0, 480, 64}}},
        NotesCase{"LyricAtAnotherTick",
                  k0 + kLyricA + "\x10" + kOn60 + k480 + kOff60 + kEnd,
                  {{"", 16, 480, 60}}},
        NotesCase{"RunningStatusAcrossAMetaEvent",
                  k0 + kOn60 + k0 + kLyricA + k480 + std::string("\x3C\x00", 2) + kEnd,
                  {{"a", 0, 480, 60}}},
        NotesCase{"OffEndsTheEarliestOpenNote",
                  k0 + kOn60 + "\x10" + kOn60 + "\x10" + kOff60 + "\x10" + kOff60 + kEnd,
                  {{"", 0, 32, 60}, {"", 16, 32, 60}}},
        NotesCase{"ChannelsPairedApart",
                  k0 + kOn60 + "\x10" + kOn60Second + "\x10" + kOff60Second + "\x10" + kOff60
                      + kEnd,
                  {{"", 0, 48, 60}, {"", 16, 16, 60}}},
        NotesCase{"NeverTurnedOffIsNoNote",
                  k0 + kOn60 + k480 + kOff60 + k0 + kOn64 + kEnd,
                  {{"", 0, 480, 60}}},
        NotesCase{"LyricNotUtf8",
                  k0 + "\xFF\x05\x02\x82\xA0" + k0 + kOn60 + k480 + kOff60 + kEnd,
                  {{"\xEF\xBF\xBD\xEF\xBF\xBD", 0, 480, 60}}}),
    testing::CaseName{});

TEST(MidiFileFillTest, WritesASplitWithStatusWhereRunningStatusNoLongerHolds)
{
    // C4 then D4, ended by note-ons of velocity 0, all in running status after the first.
    const std::string track = k0 + kOn60 + k480 + std::string("\x3C\x00", 2) + k0 + "\x3E\x64"
        + k480 + std::string("\x3E\x00", 2) + kEnd;
    const std::string before = header(0, 1);
    const auto file = ReadMidiFile(before + trackChunk(track), {});
    FillPlan plan;
    plan.fills.push_back({0, "a", 360, {{"b", 120}}});

    const std::string filled = k0 + kLyricA + k0 + kOn60 + "\x82\x68"
        + std::string("\x90\x3C\x00", 3) + k0 + kLyricB + k0 + kOn60 + "\x78"
        + std::string("\x90\x3C\x00", 3) + k0 + "\x90\x3E\x64" + k480 + std::string("\x3E\x00", 2)
        + kEnd;
    EXPECT_EQ(file->filled(plan), before + trackChunk(filled));
}

} // namespace
} // namespace tavenor
