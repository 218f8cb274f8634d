#include "tests/cli_support/cli_run.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "codec/gb18030_codec.h"
#include "romaji/romaji_conversion.h"
#include "tests/support/built_in_table.h"
#include "tests/support/case_name.h"
#include "tests/support/first_difference.h"
#include "tests/support/review_marker.h"

#include <gtest/gtest.h>

#include <fstream>
#include <istream>
#include <ostream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <vector>

namespace tavenor {
namespace {

using testing::RunCliOn;
const std::string& kMarker = testing::kReviewMarkerUtf8;

TEST(CliConvert, JsonGivesTheBoxTextsOfEachLineWithCrLfKept)
{
    const auto result = RunCliOn({"convert", "--json"}, "ba,ni,wo,lv,\r\nni,hao,");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              "{\"decomposition\":\"b,a,n,i,w,o,l,v,\",\"romaji\":\"pa , ni , wo , ri yu , \","
              "\"final\":\"pa[p a]\\r\\nni[J i]\\r\\nwo[w o]\\r\\nri[4' i]+yu[jM]\\r\\n\","
              "\"history\":\"ba\\r\\nni\\r\\nwo\\r\\nlv\\r\\n\"}\n"
              "{\"decomposition\":\"n,i,h,ao,\",\"romaji\":\"ni , ha o , \","
              "\"final\":\"ni[J i]\\r\\nha[h a o]"
                  + kMarker
                  + "\\r\\n\","
                    "\"history\":\"ni\\r\\nhao\\r\\n\"}\n");
}

// A JSON parser reads every line back to the box texts, escapes and characters outside the
// Basic Multilingual Plane included, with the keys in the documented order.
TEST(CliJson, EveryLineParsesAsAnObjectOfTheBoxTexts)
{
    const auto convert = RunCliOn({"convert", "--json"}, "an,\"\\\t😀,ni\n");
    const auto lyrics = RunCliOn({"lyrics", "--json"}, "你好\n");
    const struct {
        std::string out;
        QStringList keys;
        QString first;
    } cases[] = {
        {convert.out, {"decomposition", "romaji", "final", "history"}, "an,\",\\\t😀,n,i,"},
        {lyrics.out, {"pinyin", "decomposition", "romaji", "final", "history"}, "ni,hao,"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(c.out.ends_with("}\n")) << c.out;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(
            QByteArray::fromStdString(c.out.substr(0, c.out.size() - 1)), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << c.out;
        EXPECT_EQ(document.object().value(c.keys.first()).toString(), c.first) << c.out;
        qsizetype previous = -1;
        for (const QString& key : c.keys) {
            EXPECT_TRUE(document.object().value(key).isString()) << key.toStdString();
            const auto at = static_cast<qsizetype>(
                c.out.find(QStringLiteral("\"%1\":").arg(key).toStdString()));
            EXPECT_GT(at, previous) << key.toStdString();
            previous = at;
        }
    }
}

// The command line prints each part of the texts on its own, as UTF-8 or escaped for JSON; each
// line of a mixed input must read back as the conversion of its pinyin text.
TEST(CliConvert, EveryRecordIsTheConversionOfItsLine)
{
    const SyllableTable& table = testing::BuiltInTable();
    std::vector<std::string> pieces{"Ba",   "ying", "你",  "😀𠀀", "\"q\\",    "a\tb",   "\x01",
                                    "n\ri", "",     "jun", "lv",  "\xC2\x80", "zhuang", "xiu"};
    for (const SyllableRecord& row : table)
        pieces.push_back(row.pinyin);
    std::mt19937 random(7);
    std::vector<std::string> lines(300);
    std::string input;
    for (std::string& line : lines) {
        for (std::size_t n = random() % 12; n > 0; --n)
            line += pieces[random() % pieces.size()] + ",";
        input += line + "\n";
    }
    const auto plain = RunCliOn({"convert", "--quiet"}, input);
    const auto json = RunCliOn({"convert", "--json", "--quiet"}, input);
    ASSERT_EQ(plain.exitCode, 0);
    ASSERT_EQ(json.exitCode, 0);
    std::string expectedPlain;
    std::istringstream records(json.out);
    for (const std::string& line : lines) {
        const RomajiTexts texts = ConvertPinyinText(ToGb18030(QString::fromStdString(line)), table);
        const auto printed = [](const std::string& text) { return FromGb18030(text); };
        if (&line != &lines.front())
            expectedPlain += '\n';
        expectedPlain += printed(texts.final).replace("\r\n", "\n").toStdString();
        std::string record;
        ASSERT_TRUE(std::getline(records, record));
        const QJsonObject object
            = QJsonDocument::fromJson(QByteArray::fromStdString(record)).object();
        EXPECT_EQ(object.value("decomposition").toString(), printed(texts.decomposition)) << line;
        EXPECT_EQ(object.value("romaji").toString(), printed(texts.romaji)) << line;
        EXPECT_EQ(object.value("final").toString(), printed(texts.final)) << line;
        EXPECT_EQ(object.value("history").toString(), printed(texts.history)) << line;
    }
    EXPECT_EQ(testing::FirstDifference(plain.out, expectedPlain), "");
}

TEST(CliConvert, PlainOutputIsTheFinalTextWithLfBreaksAndAnEmptyLineBetweenRecords)
{
    // The empty second line is an empty record, between two separators.
    const auto result = RunCliOn({"convert"}, "ni,hao,\n\nkeng\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "ni[J i]\nha[h a o]" + kMarker + "\n\n\nke[ ke N\\]" + kMarker + "\n");
}

TEST(CliConvert, EscapesBackslashesAndQuotesInJson)
{
    const auto result = RunCliOn({"convert", "--json", "-"}, "an,\"\n");
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("\"a[a N\\\\]"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\"decomposition\":\"an,\\\",,\""), std::string::npos) << result.out;
}

TEST(CliConvert, CharactersOutsideGbkSurviveTheRoundTrip)
{
    // An emoji and an Extension B ideograph: GBK has neither, GB18030 both.
    const auto result = RunCliOn({"convert", "--json"}, "😀𠀀,ba\n");
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("\"decomposition\":\"😀,𠀀,b,a,\""), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\"history\":\"😀𠀀\\r\\nba\\r\\n\""), std::string::npos)
        << result.out;
}

TEST(CliConvert, NulByteInsideALineIsConvertedNotCut)
{
    const auto result = RunCliOn({"convert", "--json"}, std::string("ba,\0,ni\n", 8));
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("\"romaji\":\"pa , ? , ni , \""), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\\u0000\\r\\n"), std::string::npos) << result.out;
}

TEST(CliConvert, ByteOrderMarkIsNotPartOfTheFirstSyllable)
{
    const auto result = RunCliOn({"convert"}, "\xEF\xBB\xBFni,\n\xEF\xBB\xBFni,\n");
    EXPECT_EQ(result.exitCode, 0);
    // Only the mark at the very start is a signature; later it is a character like any other.
    EXPECT_EQ(result.out, "ni[J i]\n\n?\n");

    const auto invalid = RunCliOn({"convert"}, "\xEF\xBB\xBFni,\xFF");
    EXPECT_EQ(invalid.err, "tavenor-cli: line 1, byte 7: invalid UTF-8\n");
}

struct BadInputCase {
    const char* name;
    std::string input;
    std::string message;
    friend void PrintTo(const BadInputCase& c, std::ostream* os) { *os << c.name; }
};

class CliBadInput : public ::testing::TestWithParam<BadInputCase> { };

TEST_P(CliBadInput, NamesLineAndByteAndPrintsNothing)
{
    const auto result = RunCliOn({"convert"}, GetParam().input);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "tavenor-cli: " + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Utf8, CliBadInput,
    ::testing::Values(
        BadInputCase{"LoneContinuation", "ba,\nni,\x80", "line 2, byte 4: invalid UTF-8"},
        BadInputCase{"Overlong", "\xC0\xAF", "line 1, byte 1: invalid UTF-8"},
        BadInputCase{"Surrogate", "ok\r\nok\r\nab\xED\xA0\x80", "line 3, byte 3: invalid UTF-8"},
        BadInputCase{"Truncated", "ni,\xE4\xBD", "line 1, byte 4: invalid UTF-8"},
        BadInputCase{"CutByALineBreak", "ni\n\xE4\xBD\r\nhao", "line 2, byte 1: invalid UTF-8"},
        BadInputCase{"GbkBytes", "\xC4\xE3", "line 1, byte 1: invalid UTF-8"}),
    testing::CaseName{});

struct UsageCase {
    const char* name;
    QStringList arguments;
    std::string message;
    std::string helpCommand;
    friend void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }
};

class CliUsage : public ::testing::TestWithParam<UsageCase> { };

TEST_P(CliUsage, SaysWhatIsWrongInOneLineAndPointsToHelp)
{
    const auto result = RunCliOn(GetParam().arguments, "ba,");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "tavenor-cli: " + GetParam().message + "\nTry 'tavenor-cli" + GetParam().helpCommand
                  + " --help' for more information.\n");
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliUsage,
    ::testing::Values(
        UsageCase{"UnknownOption",
                  {"convert", "--frobnicate"},
                  "unknown option '--frobnicate'",
                  " convert"},
        UsageCase{"UnknownShortOptionBeforeTheCommand",
                  {"-x", "lyrics"},
                  "unknown option '-x'",
                  " lyrics"},
        UsageCase{"NoCommand", {}, "missing command (lyrics, convert or fill)", ""},
        UsageCase{"UnknownCommand", {"romanize", "--help"}, "unknown command 'romanize'", ""},
        UsageCase{"TooManyFiles",
                  {"convert", "a", "b"},
                  "too many arguments: one FILE at most",
                  " convert"},
        UsageCase{"UnknownLuAnswer",
                  {"lyrics", "--lu=maybe"},
                  "--lu takes auto, yes, no or ask, not 'maybe'",
                  " lyrics"},
        UsageCase{"LuWithoutValue", {"lyrics", "--lu"}, "missing value after '--lu'", " lyrics"},
        UsageCase{"LuForConvert",
                  {"convert", "--lu=no"},
                  "--lu applies to the lyrics and fill commands only",
                  " convert"},
        // The fill's options are checked before any file is read: the project named need not
        // exist.
        UsageCase{"NoProject",
                  {"fill", "-o", "out.ust"},
                  "missing PROJECT: the .ust, .ustx or MIDI file to fill",
                  " fill"},
        UsageCase{"TwoProjects",
                  {"fill", "a.ust", "b.ust", "--in-place"},
                  "too many arguments: one PROJECT only",
                  " fill"},
        UsageCase{"UnknownExtension",
                  {"fill", "song.txt", "-o", "out.txt"},
                  "'song.txt' is no .ust, .ustx, .mid or .midi file",
                  " fill"},
        UsageCase{"NoOutput",
                  {"fill", "song.ust"},
                  "missing -o OUT or --in-place: where to write the filled project",
                  " fill"},
        UsageCase{"OutputIsTheProject",
                  {"fill", "song.ust", "-o", "./song.ust"},
                  "-o names the project itself: add --in-place to write over it",
                  " fill"},
        UsageCase{"InPlaceWithAnotherOutput",
                  {"fill", "song.ust", "-o", "other.ust", "--in-place"},
                  "--in-place writes over the project: -o names another file",
                  " fill"},
        UsageCase{"SplitMaybe",
                  {"fill", "song.ust", "--in-place", "--split=maybe"},
                  "--split takes yes or no, not 'maybe'",
                  " fill"},
        UsageCase{"TailZero",
                  {"fill", "song.ust", "--in-place", "--tail=0"},
                  "--tail takes a number of ticks from 1, not '0'",
                  " fill"},
        UsageCase{"TailNotANumber",
                  {"fill", "song.ust", "--in-place", "--tail", "12a"},
                  "--tail takes a number of ticks from 1, not '12a'",
                  " fill"},
        UsageCase{"LuAsk",
                  {"fill", "song.ust", "--in-place", "--lu=ask"},
                  "--lu takes auto, yes or no for fill, not 'ask'",
                  " fill"},
        UsageCase{"TrackOfAUst",
                  {"fill", "song.ust", "--in-place", "--track=2"},
                  "--track applies to .ustx and MIDI files only",
                  " fill"},
        UsageCase{"TrackZero",
                  {"fill", "song.mid", "--in-place", "--track=0"},
                  "--track takes a track number from 1, not '0'",
                  " fill"},
        UsageCase{"Json",
                  {"fill", "song.ust", "--in-place", "--json"},
                  "--json applies to the lyrics and convert commands only",
                  " fill"},
        UsageCase{"MissingValue", {"fill", "song.ust", "-o"}, "missing value after '-o'", " fill"},
        UsageCase{"RomajiForLyrics",
                  {"lyrics", "--romaji"},
                  "--romaji applies to the fill command only",
                  " lyrics"},
        UsageCase{"OutputForConvert",
                  {"convert", "-o", "x"},
                  "--output applies to the fill command only",
                  " convert"}),
    testing::CaseName{});

TEST(Cli, EmptyInputGivesNoOutput)
{
    for (const bool json : {false, true}) {
        const auto result
            = RunCliOn(json ? QStringList{"convert", "--json"} : QStringList{"convert"}, "");
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out, "");
    }
}

struct HelpCase {
    const char* name;
    QStringList arguments;
    std::vector<std::string> shown;
    std::vector<std::string> notShown;
    friend void PrintTo(const HelpCase& c, std::ostream* os) { *os << c.name; }
};

class CliHelp : public ::testing::TestWithParam<HelpCase> { };

TEST_P(CliHelp, EachCommandHasItsOwnPage)
{
    // Started by its full path, the program still calls itself tavenor-cli.
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(
        RunCli(QStringList{"/usr/local/bin/tavenor-cli"} + GetParam().arguments, {in, out, err}),
        0);
    EXPECT_EQ(err.str(), "");
    for (const std::string& text : GetParam().shown)
        EXPECT_NE(out.str().find(text), std::string::npos) << text << " in\n" << out.str();
    for (const std::string& text : GetParam().notShown)
        EXPECT_EQ(out.str().find(text), std::string::npos) << text << " in\n" << out.str();
}

INSTANTIATE_TEST_SUITE_P(
    Pages, CliHelp,
    ::testing::Values(HelpCase{"Program",
                               {"--help"},
                               {"Usage: tavenor-cli COMMAND", "\n  lyrics ", "\n  convert ",
                                "Exit status:"},
                               {"--lu", "--json", "/usr/local/bin"}},
                      HelpCase{"Lyrics",
                               {"lyrics", "--help"},
                               {"Usage: tavenor-cli lyrics ", "Each input line is a lyrics text",
                                "--lu=WHEN", "\"pinyin\"", "An empty\nline separates",
                                "Examples:\n  echo 你好 | tavenor-cli lyrics\n",
                                "\n  tavenor-cli lyrics --json "},
                               {"Commands:"}},
                      HelpCase{"Convert",
                               {"-h", "convert"},
                               {"Usage: tavenor-cli convert ", "Each input line is a pinyin list",
                                "\"ni,hao,\"", "--json", "An empty\nline separates",
                                "Examples:\n  echo ni,hao, | tavenor-cli convert\n",
                                "\n  tavenor-cli convert --json "},
                               {"--lu", "\"pinyin\"", "Commands:"}}),
    testing::CaseName{});

struct MissingSyllablesCase {
    const char* name;
    QStringList arguments;
    std::string input;
    std::string report;
    friend void PrintTo(const MissingSyllablesCase& c, std::ostream* os) { *os << c.name; }
};

class CliMissingSyllables : public ::testing::TestWithParam<MissingSyllablesCase> { };

TEST_P(CliMissingSyllables, AreReportedOncePerLineWithoutChangingTheResult)
{
    const auto result = RunCliOn(GetParam().arguments, GetParam().input);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, GetParam().report);
    QStringList quiet = GetParam().arguments;
    quiet << "--quiet";
    const auto silenced = RunCliOn(quiet, GetParam().input);
    EXPECT_EQ(silenced.exitCode, 0);
    EXPECT_EQ(silenced.err, "");
    EXPECT_EQ(silenced.out, result.out);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CliMissingSyllables,
    ::testing::Values(
        MissingSyllablesCase{"FirstAndLaterPieces",
                             {"convert"},
                             "ni,Ba,\nhao,\nfoo,ni,bar,foo,\n",
                             "tavenor-cli: line 1: no syllable for \"Ba\"\n"
                             "tavenor-cli: line 3: no syllable for \"foo\", \"bar\"\n"},
        MissingSyllablesCase{"AHandfulNamedThenCounted",
                             {"convert", "--json"},
                             "a1,a2,a3,a4,a5,a6,a7,a1,",
                             "tavenor-cli: line 1: no syllable for \"a1\", \"a2\", \"a3\", "
                             "\"a4\", \"a5\" and 2 more\n"},
        MissingSyllablesCase{"ControlCharactersSpelledOut",
                             {"convert"},
                             "\x1B[2J,\"q\\,",
                             "tavenor-cli: line 1: no syllable for \"\\x1B[2J\", \"\\\"q\\\\\"\n"},
        MissingSyllablesCase{"ReadingsTheTableLacks",
                             {"lyrics"},
                             "你好\n英雄\n",
                             "tavenor-cli: line 2: no syllable for \"ying\", \"xiong\"\n"},
        MissingSyllablesCase{"FullyConvertedLinesSayNothing", {"convert"}, "ni,hao,\n", ""}),
    testing::CaseName{});

TEST(Cli, ReadsAFileAndReportsAnUnreadableOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("list.txt"));
    std::ofstream(path.toStdString(), std::ios::binary) << "wo,\n";
    const auto ok = RunCliOn({"convert", path}, "ignored,");
    EXPECT_EQ(ok.exitCode, 0);
    EXPECT_EQ(ok.out, "wo[w o]\n");

    for (const QString& bad : {dir.filePath(QStringLiteral("missing.txt")), dir.path()}) {
        const auto result = RunCliOn({"convert", bad}, "");
        EXPECT_EQ(result.exitCode, 1) << bad.toStdString();
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with("tavenor-cli: cannot read ")) << result.err;
    }
}

// Standard input or output that fails the way a directory or a full disk does.
class FailingStreamBuffer : public std::streambuf {
protected:
    int_type underflow() override { throw std::runtime_error("read error"); }
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(CliStreams, UnreadableStandardInputIsAnErrorNotAnEmptyInput)
{
    for (const char* command : {"convert", "lyrics"}) {
        FailingStreamBuffer broken;
        std::istream in(&broken);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunCli({"tavenor-cli", command}, {in, out, err}), 1) << command;
        EXPECT_EQ(out.str(), "") << command;
        EXPECT_EQ(err.str(), "tavenor-cli: cannot read standard input\n") << command;
    }
}

TEST(CliStreams, UnwritableOutputIsAnErrorNotSuccess)
{
    const std::vector<QStringList> commands{{"convert", "--json", "-q"},
                                            {"convert", "-", "-q"},
                                            {"lyrics", "--json"},
                                            {"lyrics", "--lu=no"}};
    for (const QStringList& command : commands) {
        FailingStreamBuffer broken;
        std::istringstream in("ni,hao,你好\n");
        std::ostream out(&broken);
        std::ostringstream err;
        EXPECT_EQ(RunCli(QStringList{"tavenor-cli"} + command, {in, out, err}), 1)
            << command.join(' ').toStdString();
        EXPECT_EQ(err.str(), "tavenor-cli: cannot write the output\n")
            << command.join(' ').toStdString();
    }
}

TEST(CliHugeInput, LinesOfOneMegabyteConvertWhole)
{
    std::string line;
    std::string expected;
    while (line.size() < (1U << 20)) {
        line += "ni,hao,";
        expected += "ni[J i]\nha[h a o]" + kMarker + "\n";
    }
    const auto result = RunCliOn({"convert"}, line + "\n" + line);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(testing::FirstDifference(result.out, expected + "\n" + expected), "");

    const auto invalidAtTheEnd = RunCliOn({"convert"}, line + "\n" + line + "\xFF");
    EXPECT_EQ(invalidAtTheEnd.exitCode, 1);
    EXPECT_EQ(invalidAtTheEnd.out, "");
    EXPECT_EQ(invalidAtTheEnd.err,
              "tavenor-cli: line 2, byte " + std::to_string(line.size() + 1) + ": invalid UTF-8\n");
}

} // namespace
} // namespace tavenor
