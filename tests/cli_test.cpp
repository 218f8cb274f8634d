#include "tests/support/cli_run.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "tests/support/case_name.h"
#include "tests/support/review_marker.h"

#include <gtest/gtest.h>

#include <fstream>
#include <istream>
#include <ostream>
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
            const auto at = static_cast<qsizetype>(c.out.find("\"" + key.toStdString() + "\":"));
            EXPECT_GT(at, previous) << key.toStdString();
            previous = at;
        }
    }
}

TEST(CliConvert, PlainOutputIsTheFinalTextWithLfBreaks)
{
    const auto result = RunCliOn({"convert"}, "ni,hao,\nkeng\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "ni[J i]\nha[h a o]" + kMarker + "\nke[ ke N\\]" + kMarker + "\n");
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
    EXPECT_EQ(result.out, "ni[J i]\n?\n");

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
        BadInputCase{"GbkBytes", "\xC4\xE3", "line 1, byte 1: invalid UTF-8"}),
    testing::CaseName{});

struct UsageCase {
    const char* name;
    QStringList arguments;
    friend void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }
};

class CliUsage : public ::testing::TestWithParam<UsageCase> { };

TEST_P(CliUsage, PrintsUsageAndExitsTwo)
{
    const auto result = RunCliOn(GetParam().arguments, "ba,");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("Usage:"), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(Arguments, CliUsage,
                         ::testing::Values(UsageCase{"UnknownOption", {"convert", "--frobnicate"}},
                                           UsageCase{"NoCommand", {}},
                                           UsageCase{"UnknownCommand", {"romanize"}},
                                           UsageCase{"TooManyFiles", {"convert", "a", "b"}}),
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

// The version the program reports is checked on the real program (cli_process.version).
TEST(Cli, HelpGoesToStandardOutput)
{
    const auto help = RunCliOn({"--help"}, "");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("convert"), std::string::npos);
}

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
    const std::vector<QStringList> commands{
        {"convert", "--json"}, {"convert", "-"}, {"lyrics", "--json"}, {"lyrics", "--lu=no"}};
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
    EXPECT_TRUE(result.out == expected + expected) << "output of " << result.out.size() << " bytes";

    const auto invalidAtTheEnd = RunCliOn({"convert"}, line + "\n" + line + "\xFF");
    EXPECT_EQ(invalidAtTheEnd.exitCode, 1);
    EXPECT_EQ(invalidAtTheEnd.out, "");
    EXPECT_EQ(invalidAtTheEnd.err,
              "tavenor-cli: line 2, byte " + std::to_string(line.size() + 1) + ": invalid UTF-8\n");
}

} // namespace
} // namespace tavenor
