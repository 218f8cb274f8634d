#include "tests/cli_support/cli_run.h"

#include "project/midi_file.h"
#include "project/ust_file.h"
#include "project/ustx_file.h"
#include "tests/support/case_name.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace tavenor {
namespace {

using testing::RunCliOn;

// A small UTAU project as UTAU writes one: Shift-JIS, CR LF; a note, a rest and a note.
const std::string kProject = "[#VERSION]\r\nUST Version1.2\r\n[#SETTING]\r\nTempo=120\r\n"
                             "[#0000]\r\nLength=480\r\nLyric=a\r\nNoteNum=60\r\n"
                             "[#0001]\r\nLength=480\r\nLyric=R\r\nNoteNum=60\r\n"
                             "[#0002]\r\nLength=480\r\nLyric=a\r\nNoteNum=62\r\n"
                             "[#TRACKEND]\r\n";

// The same with 你 and 好 (hiragana に, は お in Shift-JIS), the later part split off the end.
const std::string kFilledInKana = "[#VERSION]\r\nUST Version1.2\r\n[#SETTING]\r\nTempo=120\r\n"
                                  "[#0000]\r\nLength=480\r\nLyric=\x82\xC9\r\nNoteNum=60\r\n"
                                  "[#0001]\r\nLength=480\r\nLyric=R\r\nNoteNum=60\r\n"
                                  "[#0002]\r\nLength=360\r\nLyric=\x82\xCD\r\nNoteNum=62\r\n"
                                  "[#0003]\r\nLength=120\r\nLyric=\x82\xA8\r\nNoteNum=62\r\n"
                                  "[#TRACKEND]\r\n";

class CliFillFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    QString write(const char* name, const std::string& bytes) const
    {
        const QString file = path(name);
        std::ofstream(file.toStdString(), std::ios::binary) << bytes;
        return file;
    }

    static std::string read(const QString& file)
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll().toStdString() : std::string();
    }

    // The files the folder holds, to see that nothing else was left there.
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files, QDir::Name); }

private:
    QTemporaryDir m_dir;
};

TEST_F(CliFillFiles, FillsAProjectFromLyricsAndSplitsTheLaterParts)
{
    const QString project = write("song.ust", kProject);
    const QString lyrics = write("lyrics.txt", "\xEF\xBB\xBF你，好\n");
    const QString out = path("filled.ust");
    const auto result = RunCliOn({"fill", project, "--lyrics", lyrics, "-o", out}, "");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(read(out), kFilledInKana);
    EXPECT_EQ(read(project), kProject);
    EXPECT_EQ(files(), (QStringList{"filled.ust", "lyrics.txt", "song.ust"}));
}

// Each note as "lyric position+duration@tone", as the file's reader gives them.
std::string notesOf(const ProjectFile& file)
{
    std::string text;
    for (const ScoreNote& note : file.notes()) {
        text += (text.empty() ? "" : " | ") + note.lyric + ' ' + std::to_string(note.position) + '+'
            + std::to_string(note.duration) + '@' + std::to_string(note.tone);
    }
    return text;
}

// A project as UTAU writes it (Shift-JIS, CR LF), its notes singing their own characters.
TEST_F(CliFillFiles, FillsAProjectAsUtauWritesIt)
{
    const QString project
        = QString::fromUtf8(TAVENOR_TEST_DATA_DIR) + QStringLiteral("/utau_project_shift_jis.ust");
    const QString out = path("filled.ust");
    const auto result = RunCliOn({"fill", project, "-o", out}, "");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    // 春 chun, 眠 mian, 不 bu, 覚 jue, 暁 xiao: each later part split off the end.
    EXPECT_EQ(notesOf(*ReadUstFile(read(out), UstKind::Project)),
              "R 0+480@60 | ちゅ 480+360@67 | ん 840+120@67 | み 960+80@69 | あ 1040+80@69 | "
              "ん 1120+80@69 | ぷ 1200+240@67 | ちゅ 1440+360@64 | え 1800+120@64 | "
              "し 1920+720@62 | あ 2640+120@62 | お 2760+120@62 | R 2880+480@60 | "
              "あ 3360+480@60");
}

// A project as OpenUtau writes it (ustx_version 0.9): the first track's notes across its two
// voice parts, or with --track the other track's.
TEST_F(CliFillFiles, FillsAProjectAsOpenUtauWritesIt)
{
    const QString project
        = QString::fromUtf8(TAVENOR_TEST_DATA_DIR) + QStringLiteral("/spring_dawn.ustx");
    const QString out = path("filled.ustx");
    const auto result = RunCliOn({"fill", project, "-o", out, "--romaji", "--tail=60"}, "");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    const std::string filled = read(out);
    EXPECT_EQ(notesOf(*ReadUstxFile(filled, std::nullopt)),
              // 春 chun, 眠 mian, 不 bu, 觉 jue, 晓 xiao, 处 chu, a continuation, 闻 wen
              "chu 0+420@60 | n 420+60@60 | mi 480+360@62 | a 840+60@62 | n 900+60@62 | "
              "pu 960+240@64 | chu 1200+660@62 | e 1860+60@62 | shi 1920+360@60 | "
              "a 2280+60@60 | o 2340+60@60 | chu 2400+480@62 | - 2880+480@62 | "
              "we 3360+420@64 | n 3780+60@64");
    EXPECT_EQ(notesOf(*ReadUstxFile(filled, 2)), notesOf(*ReadUstxFile(read(project), 2)));

    const auto second
        = RunCliOn({"fill", project, "-o", out, "--track=2", "--lyrics=-", "--split=no"}, "鲁绿");
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.err, "");
    EXPECT_EQ(notesOf(*ReadUstxFile(read(out), 2)), "る 480+480@55 | り 960+480@57");
}

// A MIDI file of format 0, division 480, two notes without lyrics: each sings, split as in any
// project.
TEST_F(CliFillFiles, FillsTheNotesOfAMidiFile)
{
    using namespace std::string_literals;
    const std::string track = "\x00\x90\x3C\x64\x83\x60\x80\x3C\x40"
                              "\x00\x90\x3E\x64\x83\x60\x3E\x00"
                              "\x00\xFF\x2F\x00"s;
    const std::string bytes
        = "MThd\0\0\0\x06\0\0\0\x01\x01\xE0MTrk\0\0\0"s + static_cast<char>(track.size()) + track;
    const QString project = write("song.mid", bytes);
    const auto result = RunCliOn({"fill", project, "--lyrics=-", "-o", path("out.midi")}, "你好");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(notesOf(*ReadMidiFile(read(path("out.midi")), std::nullopt)),
              "に 0+480@60 | は 480+360@62 | お 840+120@62");
}

TEST_F(CliFillFiles, LyricsFromStandardInputInRomajiUnsplit)
{
    const QString project = write("song.ust", kProject);
    const auto result = RunCliOn(
        {"fill", project, "--lyrics=-", "--output", path("out.ust"), "--romaji", "--split=no"},
        "你好");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    std::string expected = kProject;
    expected.replace(expected.find("Lyric=a"), 7, "Lyric=ni");
    expected.replace(expected.find("Lyric=a"), 7, "Lyric=ha");
    EXPECT_EQ(read(path("out.ust")), expected);
}

TEST_F(CliFillFiles, InPlaceWritesOverTheProjectWithTheNotesOwnCharacters)
{
    std::string own = kProject;
    own.replace(own.find("Lyric=a"), 7, "Lyric=\xE4\xBD\xA0"); // 你, in a project of UTF-8
    own.replace(own.find("Lyric=a"), 7, "Lyric=\xE5\xA5\xBD"); // 好
    own.replace(own.find("Tempo=120"), 9, "Tempo=120\r\nCharset=UTF-8");
    const QString project = write("song.ust", own);
    const auto result
        = RunCliOn({"fill", project, "--in-place", "--romaji", "--tail=60", "--quiet"}, "");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    const std::string filled = read(project);
    EXPECT_NE(filled.find("Lyric=ni\r\n"), std::string::npos) << filled;
    EXPECT_NE(filled.find("Length=420\r\nLyric=ha\r\n"), std::string::npos) << filled;
    EXPECT_NE(filled.find("Length=60\r\nLyric=o\r\n"), std::string::npos) << filled;
    EXPECT_EQ(files(), QStringList{"song.ust"});

    // -o naming the project itself, with --in-place, is the same.
    write("song.ust", own);
    EXPECT_EQ(RunCliOn({"fill", project, "-o", path("./song.ust"), "--in-place", "--romaji",
                        "--tail=60", "--quiet"},
                       "")
                  .exitCode,
              0);
    EXPECT_EQ(read(project), filled);
}

TEST_F(CliFillFiles, ReportsGoToStandardErrorUnlessQuiet)
{
    const QString project = write("song.ust", kProject);
    const QString lyrics = write("lyrics.txt", "英雄好");
    const QStringList arguments{"fill", project, "--lyrics", lyrics, "-o", path("out.ust")};
    const auto result = RunCliOn(arguments, "");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err,
              "tavenor-cli: note 1: no syllable for \"ying\"\n"
              "tavenor-cli: note 3: no syllable for \"xiong\"\n"
              "tavenor-cli: 1 character of the lyrics left over without a note: "
              "\"好\"\n");
    EXPECT_NE(read(path("out.ust")).find("Lyric=ying\r\n"), std::string::npos);
    const auto quiet = RunCliOn(QStringList(arguments) << "-q", "");
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_EQ(quiet.err, "");
}

TEST_F(CliFillFiles, AMalformedProjectIsNamedInOneLineAndNothingIsWritten)
{
    const QString project = write("bad.ust", "[#0000]\r\nLyric\r\n");
    const QString out = path("out.ust");
    write("out.ust", "old");
    const auto result = RunCliOn({"fill", project, "-o", out}, "");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "tavenor-cli: " + project.toStdString()
                  + ": line 2: a note's line is not KEY=VALUE\n");
    EXPECT_EQ(read(out), "old");
    EXPECT_EQ(files(), (QStringList{"bad.ust", "out.ust"}));
}

TEST_F(CliFillFiles, UnreadableFilesAndInvalidLyricsAreErrors)
{
    const QString project = write("song.ust", kProject);
    const QString out = path("out.ust");
    const struct {
        const char* name;
        QStringList arguments;
        std::string startsWith;
    } cases[] = {
        {"MissingProject", {"fill", path("none.ust"), "-o", out}, "tavenor-cli: cannot read "},
        {"MissingLyrics",
         {"fill", project, "--lyrics", path("none.txt"), "-o", out},
         "tavenor-cli: cannot read "},
        {"LyricsNotUtf8",
         {"fill", project, "--lyrics", write("bad.txt", "\xC4\xE3\xBA\xC3"), "-o", out},
         "tavenor-cli: "},
        {"OutputInAMissingFolder",
         {"fill", project, "-o", path("none/out.ust")},
         "tavenor-cli: cannot write "},
    };
    for (const auto& c : cases) {
        const auto result = RunCliOn(c.arguments, "");
        EXPECT_EQ(result.exitCode, 1) << c.name;
        EXPECT_TRUE(result.err.starts_with(c.startsWith)) << c.name << ": " << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << c.name;
        EXPECT_FALSE(QFile::exists(out)) << c.name;
    }
}

TEST(CliFillHelp, HasItsOwnPageAndTheProgramsNamesIt)
{
    const auto fill = RunCliOn({"fill", "--help"}, "");
    EXPECT_EQ(fill.exitCode, 0);
    for (const char* shown :
         {"Usage: tavenor-cli fill PROJECT", "--lyrics=FILE", "--in-place", "--romaji",
          "--split=WHEN", "--tail=TICKS", "--track=N", "(120)", "Examples:\n  tavenor-cli fill "})
        EXPECT_NE(fill.out.find(shown), std::string::npos) << shown;
    const auto program = RunCliOn({"--help"}, "");
    EXPECT_NE(program.out.find("\n  fill "), std::string::npos);
}

} // namespace
} // namespace tavenor
