#include "pinyin/hanzi_to_pinyin.h"

#include "tests/support/scripted_pinyin.h"

#include <gtest/gtest.h>

namespace tavenor {
namespace {

using testing::ScriptedProvider;

// 鲁 = C2 B3 (lǔ), 绿 = C2 CC (lǜ), 你 = C4 E3 (nǐ), and 〇 = A9 96 with a reading of no letter.
class HanziToPinyinTest : public ::testing::Test {
protected:
    void SetUp() override { provider.readings.emplace("\xA9\x96", "\xA9\x96"); }
    ScriptedProvider provider = testing::LyricsProvider();
};

TEST_F(HanziToPinyinTest, BothOptionsOffGiveTheBareSyllable)
{
    EXPECT_EQ(HanziToPinyin(provider, "\xC2\xB3", 0, 0), "lu");
    EXPECT_EQ(HanziToPinyin(provider, "\xC2\xCC", 0, 0), "lu");
    EXPECT_EQ(provider.calls.back(), "get \xC2\xCC 1 1");
}

TEST_F(HanziToPinyinTest, OptionsLeftOutCountAsOn)
{
    EXPECT_EQ(HanziToPinyin(provider, "\xC4\xE3"), "Ni ");
    EXPECT_EQ(HanziToPinyin(provider, "\xC4\xE3", 0), "ni ");
    EXPECT_EQ(HanziToPinyin(provider, "\xC4\xE3", 1, 0), "Ni");
}

TEST_F(HanziToPinyinTest, NoItemsMeansNoReadingIsAsked)
{
    EXPECT_EQ(HanziToPinyin(provider, "a"), "");
    EXPECT_EQ(provider.calls, std::vector<std::string>{"count a"});
}

TEST_F(HanziToPinyinTest, AReadingWithoutLettersIsPassedOnRawWithoutBlank)
{
    EXPECT_EQ(HanziToPinyin(provider, "\xA9\x96", 0, 1), "\xA9\x96");
    EXPECT_EQ(HanziToPinyin(provider, "\xA9\x96", 1, 1), "\xA9\x96");
}

// A provider that reads several characters at once, to check the item loop and the blanks.
class TwoItemProvider : public PinyinProvider {
public:
    int CountPinyinItems(std::string_view) const override { return 2; }
    std::string GetPinyinReading(std::string_view, int item, int) const override
    {
        return item == 1 ? "n\xA8\xAB" : "h\xA8\xA3o";
    }
};

TEST(HanziToPinyin, EverySyllableOfALongerTextIsFollowedByOneBlank)
{
    const TwoItemProvider provider;
    const std::string text = "\xC4\xE3\xBA\xC3";
    EXPECT_EQ(HanziToPinyin(provider, text, 0, 1), "ni hao ");
    EXPECT_EQ(HanziToPinyin(provider, text, 1, 1), "Ni Hao ");
    EXPECT_EQ(HanziToPinyin(provider, text, 0, 0), "nihao");
}

} // namespace
} // namespace tavenor
