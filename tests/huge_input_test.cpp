// Whole songs and albums pasted at once: a megabyte of pinyin or of lyrics must convert in full,
// exactly as its parts do.

#include "boxes/convert_to_romaji.h"
#include "boxes/fetch_lyrics_pinyin.h"
#include "romaji/romaji_conversion.h"
#include "table/syllable_table.h"

#include "tests/support/fake_boxes.h"
#include "tests/support/first_difference.h"
#include "tests/support/review_marker.h"
#include "tests/support/scripted_pinyin.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

namespace tavenor {
namespace {

using testing::FakeBoxes;
using testing::FirstDifference;
using testing::ScriptedLuQuestion;
using testing::ScriptedProvider;

constexpr std::size_t kMegabyte = std::size_t{1} << 20;

std::string repeated(const std::string& block, std::size_t times)
{
    std::string text;
    text.reserve(block.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text += block;
    return text;
}

RomajiTexts repeated(const RomajiTexts& block, std::size_t times)
{
    return {repeated(block.decomposition, times), repeated(block.romaji, times),
            repeated(block.final, times), repeated(block.history, times)};
}

class HugeInputTest : public ::testing::Test {
protected:
    void SetUp() override { LoadSyllableTable(table); }
    SyllableTable table;
};

// Known syllables, rewritten ones, a capital, a stray blank, a Chinese character, a character
// outside GBK and empty pieces: a block ending with "," converts the same wherever it stands.
TEST_F(HugeInputTest, MegabyteOfPinyinConvertsLikeItsBlocks)
{
    const std::string block
        = "zhi,chuang,shun,jue,xu,yun,ni,hao,ai,Ba, ba,\xC4\xE3,\x95\x32\x82\x36u,,lu,";
    const std::size_t times = kMegabyte / block.size() + 1;
    const std::string pinyin = repeated(block, times);
    ASSERT_GE(pinyin.size(), kMegabyte);

    const RomajiTexts texts = ConvertPinyinText(pinyin, table);
    const RomajiTexts expected = repeated(ConvertPinyinText(block, table), times);
    EXPECT_EQ(FirstDifference(texts.decomposition, expected.decomposition), "");
    EXPECT_EQ(FirstDifference(texts.romaji, expected.romaji), "");
    EXPECT_EQ(FirstDifference(texts.final, expected.final), "");
    EXPECT_EQ(FirstDifference(texts.history, expected.history), "");
    EXPECT_TRUE(texts.final.starts_with("zi[dz i]\r\n"));
    EXPECT_TRUE(texts.final.ends_with("\r\nru[4' M]\r\n"));
}

TEST_F(HugeInputTest, MegabyteOfLyricsGivesOneEntryPerCharacterAndConverts)
{
    // 你 好 鲁, a Latin letter, a blank, an emoji.
    const ScriptedProvider provider = testing::LyricsProvider();
    const std::string block = "\xC4\xE3\xBA\xC3\xC2\xB3"
                              "a \x94\x39\xFC\x36";
    const std::size_t times = kMegabyte / block.size() + 1;

    FakeBoxes boxes;
    boxes.texts
        = {{std::string(box::Lyrics), repeated(block, times)}, {std::string(box::History), "H"}};
    ScriptedLuQuestion question;
    question.answers = {false};
    FetchLyricsPinyin(boxes, provider, question, table);

    // The first lu was answered No, every later one Yes.
    const std::string list = "ni,hao,lv,,,," + repeated("ni,hao,lu,,,,", times - 1);
    EXPECT_EQ(FirstDifference(boxes[box::Pinyin], list), "");
    EXPECT_EQ(question.asked.size(), times);
    EXPECT_EQ(boxes[box::Lyrics].size(), block.size() * times);
    const std::string niHao = "ni[J i]\r\nha[h a o]" + testing::kReviewMarker + "\r\n";
    EXPECT_EQ(FirstDifference(boxes[box::Final],
                              niHao + "ri[4' i]+yu[jM]\r\n"
                                  + repeated(niHao + "ru[4' M]\r\n", times - 1)),
              "");
    EXPECT_EQ(FirstDifference(boxes[box::History],
                              "Hni\r\nhao\r\nlv\r\n" + repeated("ni\r\nhao\r\nlu\r\n", times - 1)),
              "");
}

} // namespace
} // namespace tavenor
