#include "project/shift_jis.h"
#include "project/ust_file.h"

#include "tests/support/case_name.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace tavenor {
namespace {

// Files shaped as the hosts write them: a UTAU project (Shift-JIS, CR LF), the plugin file of
// OpenUtau with encoding=UTF-8 (the byte-order mark, LF) and that of UTAU (Shift-JIS, CR LF).
// Each X.filled.ust is X.ust edited by hand as its fill below must write it.
std::string dataFile(const std::string& name)
{
    std::ifstream in(std::string(TAVENOR_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    EXPECT_TRUE(in) << name;
    return bytes.str();
}

// Each note as "lyric position+duration@tone", joined by " | ".
std::string described(const std::vector<ScoreNote>& notes)
{
    std::string text;
    for (const ScoreNote& note : notes) {
        text += (text.empty() ? "" : " | ") + note.lyric + " " + std::to_string(note.position) + "+"
            + std::to_string(note.duration) + "@" + std::to_string(note.tone);
    }
    return text;
}

struct UstCase {
    const char* name;
    const char* file;
    UstKind kind;
    std::string notes;
    FillPlan plan;
    friend void PrintTo(const UstCase& c, std::ostream* os) { *os << c.name; }
};

class UstFileTest : public ::testing::TestWithParam<UstCase> { };

TEST_P(UstFileTest, ReadsTheNotesAndWritesOnlyWhatTheFillChanges)
{
    const UstCase& c = GetParam();
    const std::string bytes = dataFile(std::string(c.file) + ".ust");
    const auto file = ReadUstFile(bytes, c.kind);
    EXPECT_EQ(described(file->notes()), c.notes);
    EXPECT_EQ(file->filled({}), bytes);
    // A plan that gives every note its own lyric and length changes nothing either.
    FillPlan same;
    for (std::size_t i = 0; i < file->notes().size(); ++i)
        same.fills.push_back({i, file->notes()[i].lyric, file->notes()[i].duration, {}});
    EXPECT_EQ(file->filled(same), bytes);
    EXPECT_EQ(file->filled(c.plan), dataFile(std::string(c.file) + ".filled.ust"));
}

INSTANTIATE_TEST_SUITE_P(
    HostFiles, UstFileTest,
    ::testing::Values(
        // Split notes become numbered sections, and the later ones are numbered anew.
        UstCase{"UtauProject",
                "utau_project_shift_jis",
                UstKind::Project,
                "R 0+480@60 | 春 480+480@67 | 眠 960+240@69 | 不 1200+240@67 | 覚 1440+480@64 | "
                "暁 1920+960@62 | R 2880+480@60 | あ 3360+480@60",
                {{{1, "ちゅ", 360, {{"ん", 120}}},
                  {2, "み", 120, {{"い", 60}, {"ん", 60}}},
                  {5, "しゃ", 840, {{"お", 120}}},
                  {7, "あ", 480, {}}},
                 {}}},
        // Split notes become [#INSERT] sections; [#PREV] and [#NEXT] are no notes to fill.
        UstCase{
            "OpenUtauPluginFile",
            "openutau_plugin_utf8_bom",
            UstKind::PluginTempFile,
            "春 0+480@67 | 眠 480+480@69 | R 960+240@60 | 不 1200+480@67 | 觉 1680+960@64",
            {{{0, "ちゅ", 360, {{"ん", 120}}}, {3, "ぶ", 480, {}}, {4, "じゅ", 840, {{"え", 120}}}},
             {}}},
        UstCase{"UtauPluginFile",
                "utau_plugin_shift_jis",
                UstKind::PluginTempFile,
                "a 0+480@60 | ka 480+480@62 | 夜 960+480@64",
                {{{0, "あ", 480, {}}, {2, "い", 360, {{"え", 120}}}}, {}}}),
    testing::CaseName());

// Small files whose encoding the fill must keep, and whose last line may lack a line end.
struct EncodingCase {
    const char* name;
    UstKind kind;
    std::string bytes;
    std::string lyric; // of the first note
    FillPlan plan;
    std::string filled;
    friend void PrintTo(const EncodingCase& c, std::ostream* os) { *os << c.name; }
};

class UstEncodingTest : public ::testing::TestWithParam<EncodingCase> { };

TEST_P(UstEncodingTest, WritesInTheFilesOwnEncoding)
{
    const EncodingCase& c = GetParam();
    const auto file = ReadUstFile(c.bytes, c.kind);
    ASSERT_FALSE(file->notes().empty());
    EXPECT_EQ(file->notes()[0].lyric, c.lyric);
    EXPECT_EQ(file->filled(c.plan), c.filled);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, UstEncodingTest,
    ::testing::Values(
        // All ASCII and no mark: Shift-JIS, as UTAU reads it back.
        EncodingCase{"AsciiPluginFileIsShiftJis",
                     UstKind::PluginTempFile,
                     "[#SETTING]\r\n[#0000]\r\nLength=480\r\nLyric=a\r\nNoteNum=60\r\n",
                     "a",
                     {{{0, "あ", 360, {{"ん", 120}}}}, {}},
                     "[#SETTING]\r\n[#0000]\r\nLength=360\r\nLyric=\x82\xA0\r\nNoteNum=60\r\n"
                     "[#INSERT]\r\nLength=120\r\nLyric=\x82\xF1\r\nNoteNum=60\r\n"},
        EncodingCase{"ProjectDeclaringUtf8",
                     UstKind::Project,
                     "[#VERSION]\nUST Version1.2\nCharset=UTF-8\n[#SETTING]\n[#0000]\nLength=480\n"
                     "Lyric=觉\nNoteNum=64\n[#0001]\nLength=480\nLyric=R\nNoteNum=60\n"
                     "[#TRACKEND]\n"
                     "",
                     "觉",
                     {{{0, "じゅ", 360, {{"え", 120}}}}, {}},
                     "[#VERSION]\nUST Version1.2\nCharset=UTF-8\n[#SETTING]\n[#0000]\nLength=360\n"
                     "Lyric=じゅ\nNoteNum=64\n[#0001]\nLength=120\nLyric=え\nNoteNum=64\n"
                     "[#0002]\nLength=480\nLyric=R\nNoteNum=60\n[#TRACKEND]\n"},
        // A Shift-JIS trail byte may be a backslash (表 is 95 5C).
        EncodingCase{"LastLineWithoutLineEnd",
                     UstKind::PluginTempFile,
                     "[#SETTING]\n[#0000]\nLength=480\nLyric=\x95\x5C\nNoteNum=60",
                     "表",
                     {{{0, "ひょ", 360, {{"お", 120}}}}, {}},
                     "[#SETTING]\n[#0000]\nLength=360\nLyric=\x82\xD0\x82\xE5\nNoteNum=60\n"
                     "[#INSERT]\nLength=120\nLyric=\x82\xA8\nNoteNum=60\n"}),
    testing::CaseName());

struct ErrorCase {
    const char* name;
    UstKind kind;
    std::string bytes;
    std::string message;
    std::optional<FillPlan> plan = std::nullopt; // the error is the fill's, not the reading's
    friend void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }
};

class UstErrorTest : public ::testing::TestWithParam<ErrorCase> { };

TEST_P(UstErrorTest, NamesTheLineOrTheNote)
{
    const ErrorCase& c = GetParam();
    try {
        const auto file = ReadUstFile(c.bytes, c.kind);
        ASSERT_TRUE(c.plan) << "read without an error";
        file->filled(*c.plan);
        FAIL() << "filled without an error";
    } catch (const ProjectError& error) {
        EXPECT_EQ(error.what(), c.message);
    }
}

const std::string kNote = "[#SETTING]\r\n[#0000]\r\nLength=480\r\nLyric=a\r\nNoteNum=60\r\n";

INSTANTIATE_TEST_SUITE_P(
    Malformed, UstErrorTest,
    ::testing::Values(
        ErrorCase{"Empty", UstKind::Project, "", "line 1: no [#...] sections: not a .ust file"},
        ErrorCase{"TextBeforeTheFirstSection", UstKind::PluginTempFile,
                  "\r\nLength=480\r\n" + kNote,
                  "line 2: text before the first section: not a .ust file"},
        ErrorCase{"LengthNotANumber", UstKind::PluginTempFile,
                  "[#SETTING]\n[#0000]\nLength=4x0\nLyric=a\nNoteNum=60\n",
                  "line 3: Length=4x0 is not a whole number of ticks"},
        ErrorCase{"NegativeLength", UstKind::Project,
                  "[#SETTING]\n[#0000]\nLength=-1\nLyric=a\nNoteNum=60\n",
                  "line 3: Length=-1 is not a whole number of ticks"},
        ErrorCase{"NoteNumberTooLarge", UstKind::Project,
                  "[#SETTING]\n[#0000]\nLength=1\nLyric=a\nNoteNum=99999999999\n",
                  "line 5: NoteNum=99999999999 is not a whole number"},
        ErrorCase{"NoLyric", UstKind::Project, "[#SETTING]\n[#0000]\nLength=480\nNoteNum=60\n",
                  "line 2: the note has no Lyric"},
        ErrorCase{"NotKeyAndValue", UstKind::Project,
                  "[#SETTING]\n[#0000]\nLength=480\nLyric\nNoteNum=60\n",
                  "line 4: a note's line is not KEY=VALUE"},
        ErrorCase{"UnexpectedSection", UstKind::PluginTempFile, kNote + "[#INSERT]\r\n",
                  "line 6: unexpected section [#INSERT]"},
        ErrorCase{"ContextSectionInAProject", UstKind::Project, "[#SETTING]\n[#PREV]\n",
                  "line 2: unexpected section [#PREV]"},
        ErrorCase{"UnknownCharset", UstKind::Project, "[#SETTING]\nCharset=EUC-JP\n",
                  "line 2: the charset is neither Shift_JIS nor UTF-8, which this reads"},
        // UTF-8 without the mark: E3 81 is a Shift-JIS character, but 82 then has no trail.
        ErrorCase{"Utf8WithoutTheMark", UstKind::PluginTempFile,
                  "[#SETTING]\n[#0000]\nLength=480\nLyric=\xE3\x81\x82\nNoteNum=60\n",
                  "line 4: byte 9 is not Shift-JIS"},
        ErrorCase{"InvalidUtf8AfterTheMark", UstKind::PluginTempFile,
                  "\xEF\xBB\xBF[#SETTING]\nProject=\xC3\x28\n", "line 2: byte 9 is not UTF-8"},
        ErrorCase{"LyricOutsideShiftJis", UstKind::Project, kNote,
                  "note 1: the lyric \"觉\" cannot be written in Shift-JIS",
                  FillPlan{{{0, "觉", 480, {}}}, {}}},
        ErrorCase{"SplitPartOutsideShiftJis", UstKind::Project, kNote + kNote.substr(12),
                  "note 2: the lyric of a note split off it, \"\xF0\x9F\x8E\xB5\" cannot be "
                  "written in Shift-JIS",
                  FillPlan{{{1, "あ", 240, {{"\xF0\x9F\x8E\xB5", 240}}}}, {}}}),
    testing::CaseName());

struct ShiftJisCase {
    const char* name;
    std::string utf8;
    std::string shiftJis;
    friend void PrintTo(const ShiftJisCase& c, std::ostream* os) { *os << c.name; }
};

class ShiftJisTest : public ::testing::TestWithParam<ShiftJisCase> { };

TEST_P(ShiftJisTest, RoundTrips)
{
    std::string utf8, shiftJis;
    EXPECT_EQ(AppendShiftJisAsUtf8(GetParam().shiftJis, utf8), std::nullopt);
    EXPECT_EQ(utf8, GetParam().utf8);
    EXPECT_TRUE(AppendUtf8AsShiftJis(GetParam().utf8, shiftJis));
    EXPECT_EQ(shiftJis, GetParam().shiftJis);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, ShiftJisTest,
    ::testing::Values(ShiftJisCase{"Ascii", "Lyric=a\\~", "Lyric=a\\~"},
                      ShiftJisCase{"Hiragana", "あちゅんを",
                                   "\x82\xA0\x82\xBF\x82\xE3\x82\xF1\x82\xF0"},
                      ShiftJisCase{"KatakanaAndHalfWidth", "テトｱ", "\x83\x65\x83\x67\xB1"},
                      ShiftJisCase{"JisKanji", "春表暁", "\x8F\x74\x95\x5C\x8B\xC5"},
                      ShiftJisCase{"IbmExtension", "纊", "\xED\x40"}),
    testing::CaseName());

TEST(ShiftJis, RefusesWhatItCannotHold)
{
    std::string out;
    // Simplified characters, the yen sign (Windows maps it to 5C only at a loss) and emoji.
    for (const char* utf8 : {"觉", "你", "\xC2\xA5", "\xF0\x9F\x8E\xB5", "\xC3\x28"}) {
        EXPECT_FALSE(AppendUtf8AsShiftJis(utf8, out)) << utf8;
    }
    // A lead byte at the end, a lead with a byte that cannot trail, an unassigned code.
    for (const char* bytes : {"a\x82", "a\x82\x20", "a\x85\x40"}) {
        EXPECT_EQ(AppendShiftJisAsUtf8(bytes, out), 1u) << bytes;
    }
}

// Every assigned two-byte code reads as a character that is written with a code that reads as
// it again (several codes may read as one character).
TEST(ShiftJis, EveryCharacterReadIsWrittenBack)
{
    std::size_t characters = 0;
    for (unsigned lead = 0x81; lead <= 0xFC; lead = lead == 0x9F ? 0xE0 : lead + 1) {
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
            std::string utf8, written, again;
            if (AppendShiftJisAsUtf8(code, utf8))
                continue;
            ++characters;
            ASSERT_TRUE(AppendUtf8AsShiftJis(utf8, written)) << std::hex << lead << trail;
            EXPECT_EQ(AppendShiftJisAsUtf8(written, again), std::nullopt);
            EXPECT_EQ(again, utf8) << std::hex << lead << trail;
        }
    }
    // What Python's cp932 codec assigns: JIS X 0208, the NEC and IBM extensions, user codes.
    EXPECT_EQ(characters, 9604u);
}

} // namespace
} // namespace tavenor
