#include "tests/cli_support/cli_run.h"

#include "tests/support/case_name.h"
#include "tests/support/count_occurrences.h"
#include "tests/support/review_marker.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <tuple>

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

TEST(CliLyrics, PlainOutputIsTheFinalTextOfEachLineWithAnEmptyLineBetween)
{
    const auto result = RunCliOn({"lyrics"}, "你好\r\n我\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "ni[J i]\nha[h a o]" + kMarker + "\n\nwo[w o]\n");
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
        // 鲁 and 路 read lu, 绿 and 旅 lü in the built-in data.
        PinyinCase{"LuByDefaultIsTheCharactersOwnReading", {}, "鲁绿旅路", "lu,lv,lv,lu,"},
        PinyinCase{"LuAuto", {"--lu=auto"}, "绿鲁", "lv,lu,"},
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

const std::string kPrompt = "? [y/N] ";

// Return takes the built-in reading that the prompt offers: lu for 鲁, lv for 绿.
TEST(CliLyricsAsk, EachAnswerSettlesItsOwnEntryInTextOrderNamingItsPlace)
{
    std::ostringstream shown;
    const auto result = RunCliOn({"lyrics", "--lu=ask", "--json"}, "路\n你鲁绿\n",
                                 scriptedTerminal("n\n\n\n", shown));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.starts_with("{\"pinyin\":\"lv,\",")) << result.out;
    EXPECT_NE(result.out.find("\n{\"pinyin\":\"ni,lu,lv,\","), std::string::npos) << result.out;
    EXPECT_EQ(CountOccurrences(shown.str(), "对你说话呢\n"), 3U);
    for (const char* question :
         {"对你说话呢\n检测到存在“lu”\n请确认发音：\n是：读“鲁”（lu）\n否：读“绿”（lv）\n",
          "\nline 1, character 1: 路 (built-in reading: lu)\nYes (lu) or no (lv)? [Y/n] ",
          "\nline 2, character 3: 绿 (built-in reading: lv)\nYes (lu) or no (lv)? [y/N] "})
        EXPECT_NE(shown.str().find(question), std::string::npos) << question << " in\n"
                                                                 << shown.str();
}

TEST(CliLyricsAsk, AsksAgainUntilTheAnswerIsYesOrNo)
{
    std::ostringstream shown;
    const auto result = RunCliOn({"lyrics", "--lu=ask", "--json"}, "绿",
                                 scriptedTerminal("maybe\n  YES \n", shown));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.starts_with("{\"pinyin\":\"lu,\",")) << result.out;
    EXPECT_EQ(CountOccurrences(shown.str(), kPrompt), 2U);
}

TEST(CliLyricsAsk, TakesTheChineseYesAndNoThatTheQuestionOffers)
{
    for (const auto& [lyrics, answer, pinyin] :
         {std::tuple{"绿", "是\n", "lu,"}, {"鲁", " 否 \n", "lv,"}}) {
        std::ostringstream shown;
        const auto result
            = RunCliOn({"lyrics", "--lu=ask", "--json"}, lyrics, scriptedTerminal(answer, shown));
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_TRUE(result.out.starts_with(std::string("{\"pinyin\":\"") + pinyin)) << result.out;
        EXPECT_EQ(CountOccurrences(shown.str(), "Yes (lu) or no (lv)?"), 1U) << answer;
    }
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
              "use --lu=auto, --lu=yes or --lu=no\n");
}

TEST(CliLyrics, InvalidUtf8IsReportedWithNothingPrinted)
{
    const auto result = RunCliOn({"lyrics"}, "你好\n\xC4\xE3\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "tavenor-cli: line 2, byte 1: invalid UTF-8\n");
}

} // namespace
} // namespace tavenor
