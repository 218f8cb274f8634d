#include "tests/support/cli_run.h"

#include "tests/support/case_name.h"
#include "tests/support/count_occurrences.h"
#include "tests/support/review_marker.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace tavenor {
namespace {

using testing::CountOccurrences;
using testing::RunCliOn;
const std::string& kMarker = testing::kReviewMarkerUtf8;

TEST(CliLyrics, JsonGivesThePinyinListAndEveryBoxText)
{
    const auto result = RunCliOn({"lyrics", "--json"}, "你好\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              "{\"pinyin\":\"ni,hao,\",\"decomposition\":\"n,i,h,ao,\",\"romaji\":\"ni , ha o , \","
              "\"final\":\"ni[J i]\\r\\nha[h a o]"
                  + kMarker
                  + "\\r\\n\","
                    "\"history\":\"ni\\r\\nhao\\r\\n\"}\n");
}

TEST(CliLyrics, PlainOutputIsTheFinalTextOfEachLine)
{
    const auto result = RunCliOn({"lyrics"}, "你好\r\n我\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "ni[J i]\nha[h a o]" + kMarker + "\nwo[w o]\n");
}

struct PinyinCase {
    const char* name;
    QStringList options;
    std::string lyrics;
    std::string pinyin;
    friend void PrintTo(const PinyinCase& c, std::ostream* os) { *os << c.name; }
};

class CliLyricsPinyin : public ::testing::TestWithParam<PinyinCase> { };

TEST_P(CliLyricsPinyin, BuildsTheListFromTheLyrics)
{
    QStringList arguments{"lyrics", "--json"};
    arguments += GetParam().options;
    const auto result = RunCliOn(arguments, GetParam().lyrics);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.starts_with("{\"pinyin\":\"" + GetParam().pinyin + "\",")) << result.out;
}

INSTANTIATE_TEST_SUITE_P(
    Lyrics, CliLyricsPinyin,
    ::testing::Values(
        PinyinCase{"LuByDefault", {}, "鲁绿", "lu,lu,"},
        PinyinCase{"LuYes", {"--lu=yes"}, "鲁绿", "lu,lu,"},
        PinyinCase{"LuNo", {"--lu=no"}, "鲁绿", "lv,lv,"},
        PinyinCase{"LuNoLeavesOtherSyllables", {"--lu", "no"}, "路罗绿", "lv,luo,lv,"},
        PinyinCase{"HalfWidthLetterAndBlankShiftNothing", {}, "a你 好", ",ni,,hao,"},
        PinyinCase{"PunctuationHasNoSyllable", {}, "你，好。", "ni,,hao,,"},
        PinyinCase{"ExtensionBCharacter", {}, "𠀀你", "he,ni,"},
        PinyinCase{"CorrectedAndAddedReadings", {}, "〇著谁", "ling,zhu,shui,"},
        PinyinCase{"EmptyLineStillConverts", {}, "\n", ""},
        // The file's byte order mark is dropped; a second U+FEFF is a character without a reading.
        PinyinCase{
            "NulIsACharacterWithoutAReadingNotAnEnd", {}, std::string("你\0好", 7), "ni,,hao,"},
        PinyinCase{
            "ByteOrderMarkThenZeroWidthNoBreakSpace", {}, "\xEF\xBB\xBF\xEF\xBB\xBF你", ",ni,"}),
    testing::CaseName{});

// A terminal whose user types the given answers; what it shows is kept in shown.
class ScriptedTerminal final : public Terminal {
public:
    ScriptedTerminal(const std::string& answers, std::ostringstream& shown)
        : m_answers(answers)
        , m_shown(shown)
    {
    }
    std::ostream& questions() override { return m_shown; }
    std::istream& answers() override { return m_answers; }

private:
    std::istringstream m_answers;
    std::ostringstream& m_shown;
};

TerminalOpener scriptedTerminal(const std::string& answers, std::ostringstream& shown)
{
    return [answers, &shown] { return std::make_unique<ScriptedTerminal>(answers, shown); };
}

const std::string kPrompt = "[y/n] ";

TEST(CliLyricsAsk, EachAnswerSettlesItsOwnEntryInTextOrder)
{
    std::ostringstream shown;
    const auto result = RunCliOn({"lyrics", "--lu=ask", "--json"}, "鲁绿\n路\n",
                                 scriptedTerminal("y\nn\nno\n", shown));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.starts_with("{\"pinyin\":\"lu,lv,\",")) << result.out;
    EXPECT_NE(result.out.find("\n{\"pinyin\":\"lv,\","), std::string::npos) << result.out;
    EXPECT_EQ(CountOccurrences(shown.str(), "对你说话呢\n"), 3U);
    EXPECT_NE(shown.str().find(
                  "对你说话呢\n检测到存在“lu”\n请确认发音：\n是：读“鲁”（lu）\n否：读“绿”（lv）\n"),
              std::string::npos)
        << shown.str();
}

TEST(CliLyricsAsk, AsksAgainUntilTheAnswerIsYesOrNo)
{
    std::ostringstream shown;
    const auto result = RunCliOn({"lyrics", "--lu=ask", "--json"}, "鲁",
                                 scriptedTerminal("maybe\n\n  YES \n", shown));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.starts_with("{\"pinyin\":\"lu,\",")) << result.out;
    EXPECT_EQ(CountOccurrences(shown.str(), kPrompt), 3U);
}

TEST(CliLyricsAsk, AsksNothingWhenNoEntryIsLu)
{
    std::ostringstream shown;
    const auto result = RunCliOn({"lyrics", "--lu=ask"}, "你好", scriptedTerminal("", shown));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(shown.str(), "");
}

TEST(CliLyricsAsk, ClosedTerminalStopsWithNothingPrinted)
{
    std::ostringstream shown;
    const auto result = RunCliOn({"lyrics", "--lu=ask"}, "你好\n鲁\n", scriptedTerminal("", shown));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "tavenor-cli: no answer to the lu question: the terminal was closed\n");
}

TEST(CliLyricsAsk, NoTerminalFailsBeforeReadingAnything)
{
    const auto result
        = RunCliOn({"lyrics", "--lu=ask"}, "鲁", [] { return std::unique_ptr<Terminal>(); });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "tavenor-cli: --lu=ask needs a terminal to ask on, and there is none; "
              "use --lu=yes or --lu=no\n");
}

struct LyricsUsageCase {
    const char* name;
    QStringList arguments;
    std::string message;
    friend void PrintTo(const LyricsUsageCase& c, std::ostream* os) { *os << c.name; }
};

class CliLyricsUsage : public ::testing::TestWithParam<LyricsUsageCase> { };

TEST_P(CliLyricsUsage, ExitsTwoWithTheReason)
{
    const auto result = RunCliOn(GetParam().arguments, "鲁");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(result.err.starts_with("tavenor-cli: " + GetParam().message + "\n")) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliLyricsUsage,
    ::testing::Values(
        LyricsUsageCase{"UnknownLuAnswer",
                        {"lyrics", "--lu=maybe"},
                        "--lu takes yes, no or ask, not \"maybe\""},
        LyricsUsageCase{"LuWithoutValue", {"lyrics", "--lu"}, "Missing value after '--lu'."},
        LyricsUsageCase{
            "LuForConvert", {"convert", "--lu=no"}, "--lu applies to the lyrics command only"}),
    testing::CaseName{});

TEST(CliLyrics, InvalidUtf8IsReportedWithNothingPrinted)
{
    const auto result = RunCliOn({"lyrics"}, "你好\n\xC4\xE3\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "tavenor-cli: line 2, byte 1: invalid UTF-8\n");
}

} // namespace
} // namespace tavenor
