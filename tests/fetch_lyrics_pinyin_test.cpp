#include "boxes/fetch_lyrics_pinyin.h"
#include "pinyin/build_pinyin_list.h"

#include "tests/support/built_in_table.h"
#include "tests/support/case_name.h"
#include "tests/support/fake_boxes.h"
#include "tests/support/scripted_pinyin.h"

#include <gtest/gtest.h>

namespace tavenor {
namespace {

using testing::FakeBoxes;
using testing::ScriptedLuQuestion;
using testing::ScriptedProvider;

struct ListCase {
    const char* name;
    std::string lyrics;
    std::deque<bool> answers;
    std::string list;
    std::size_t questions;
    friend void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }
};

class BuildPinyinListTest : public ::testing::TestWithParam<ListCase> { };

TEST_P(BuildPinyinListTest, GivesOneEntryPerCharacter)
{
    const ScriptedProvider provider = testing::LyricsProvider();
    ScriptedLuQuestion question;
    question.answers = GetParam().answers;
    EXPECT_EQ(BuildPinyinList(GetParam().lyrics, provider, question), GetParam().list);
    EXPECT_EQ(question.asked.size(), GetParam().questions);
}

INSTANTIATE_TEST_SUITE_P(
    Lyrics, BuildPinyinListTest,
    ::testing::Values(
        ListCase{"Empty", "", {}, "", 0}, ListCase{"NiHao", "\xC4\xE3\xBA\xC3", {}, "ni,hao,", 0},
        ListCase{"EachLuAnswersForItself", "\xC2\xB3\xC2\xCC", {true, false}, "lu,lv,", 2},
        ListCase{"NoThenYes", "\xC2\xB3\xC2\xCC", {false, true}, "lv,lu,", 2},
        ListCase{"OnlyExactLuAsks", "\xC2\xDE\xC4\xE3", {}, "luo,ni,", 0},
        ListCase{"LatinLetterDoesNotShiftTheRest", "a\xC4\xE3\xBA\xC3", {}, ",ni,hao,", 0},
        ListCase{"BlankBetweenCharacters", "\xC4\xE3 \xBA\xC3", {}, "ni,,hao,", 0},
        ListCase{"OddByteCountTrailingLead", "\xC4\xE3\xBA", {}, "ni,,", 0},
        ListCase{"FourByteCharacter", "\x95\x32\x82\x36\xC4\xE3", {}, "he,ni,", 0},
        ListCase{"MalformedByteIsAUnitOfItsOwn", "\xFF\xC4\xE3", {}, ",ni,", 0},
        ListCase{"ThreeLuReadingsThreeQuestions",
                 "\xC2\xB3\xC2\xB7\xC2\xB3",
                 {false, true, false},
                 "lv,lu,lv,",
                 3}),
    testing::CaseName{});

TEST(BuildPinyinList, QuestionShowsTheTitleAndMessage)
{
    const ScriptedProvider provider = testing::LyricsProvider();
    ScriptedLuQuestion question;
    BuildPinyinList("\xC2\xB3", provider, question);
    ASSERT_EQ(question.asked.size(), 1U);
    EXPECT_EQ(question.asked[0].first, "\xB6\xD4\xC4\xE3\xCB\xB5\xBB\xB0\xC4\xD8");
    EXPECT_TRUE(question.asked[0].second.starts_with(
        "\xBC\xEC\xB2\xE2\xB5\xBD\xB4\xE6\xD4\xDA\xA1\xB0lu\xA1\xB1\r\n"));
    EXPECT_TRUE(question.asked[0].second.ends_with("\xA3\xA8lv\xA3\xA9"));
}

TEST(BuildPinyinList, QuestionKnowsTheCharacterItsPlaceAndItsOwnReading)
{
    const ScriptedProvider provider = testing::LyricsProvider();
    ScriptedLuQuestion question;
    BuildPinyinList("\xC4\xE3x\xC2\xB3\xC2\xCC", provider, question);
    const std::vector<std::string> expected{"\xC2\xB3 3 lu", "\xC2\xCC 4 lv"};
    EXPECT_EQ(question.occurrences, expected);
}

TEST(BuildPinyinList, AsksTheProviderOneCharacterAtATimeWithBothOptionsOff)
{
    const ScriptedProvider provider = testing::LyricsProvider();
    ScriptedLuQuestion question;
    EXPECT_EQ(BuildPinyinList("\xC4\xE3x", provider, question), "ni,,");
    const std::vector<std::string> expected{"count \xC4\xE3", "get \xC4\xE3 1 1", "count x"};
    EXPECT_EQ(provider.calls, expected);
}

class FetchLyricsPinyinTest : public ::testing::Test {
protected:
    const SyllableTable& table = testing::BuiltInTable();
    FakeBoxes boxes = testing::FilledBoxes("\xC4\xE3\xBA\xC3", "user,correction,");
    ScriptedProvider provider = testing::LyricsProvider();
    ScriptedLuQuestion question;
};

TEST_F(FetchLyricsPinyinTest, ReplacesThePinyinBoxThenConverts)
{
    FetchLyricsPinyin(boxes, provider, question, table);
    const std::vector<std::string> expected{
        "set 编辑框2 \"\"", "read 编辑框1",     "append 编辑框2", "set 编辑框6 \"\"",
        "set 编辑框3 \"\"", "set 编辑框4 \"\"", "read 编辑框2",   "append 编辑框5",
        "append 编辑框3",   "append 编辑框4",   "append 编辑框6"};
    EXPECT_EQ(boxes.log, expected);
    EXPECT_EQ(boxes[box::Pinyin], "ni,hao,");
    EXPECT_EQ(boxes[box::Decomposition], "n,i,h,ao,");
    EXPECT_EQ(boxes[box::Romaji], "ni , ha o , ");
    EXPECT_EQ(boxes[box::History], "history...ni\r\nhao\r\n");
    EXPECT_EQ(boxes[box::Lyrics], "\xC4\xE3\xBA\xC3");
}

TEST_F(FetchLyricsPinyinTest, EmptyLyricsStillConvert)
{
    boxes.texts[std::string(box::Lyrics)] = "";
    FetchLyricsPinyin(boxes, provider, question, table);
    EXPECT_EQ(boxes[box::Pinyin], "");
    EXPECT_EQ(boxes[box::Decomposition], "");
    EXPECT_EQ(boxes[box::Romaji], "");
    EXPECT_EQ(boxes[box::Final], "");
    EXPECT_EQ(boxes[box::History], "history...");
    EXPECT_TRUE(question.asked.empty());
}

TEST_F(FetchLyricsPinyinTest, LuAnswersReachTheResults)
{
    boxes.texts[std::string(box::Lyrics)] = "\xC2\xB3\xC2\xCC";
    question.answers = {false, false};
    FetchLyricsPinyin(boxes, provider, question, table);
    EXPECT_EQ(boxes[box::Pinyin], "lv,lv,");
    EXPECT_EQ(boxes[box::Romaji], "ri yu , ri yu , ");
}

} // namespace
} // namespace tavenor
