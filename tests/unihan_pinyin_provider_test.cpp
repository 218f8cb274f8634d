#include "pinyin/hanzi_to_pinyin.h"
#include "pinyin/unihan_pinyin_provider.h"

#include "tests/support/case_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavenor {
namespace {

// 你 C4 E3 nǐ, 好 BA C3 hǎo, 𠀀 95 32 82 36 hē, full-width comma A3 AC, あ A4 A2.
const std::string kNi = "\xC4\xE3";
const std::string kHao = "\xBA\xC3";
const std::string kHe = "\x95\x32\x82\x36";
const std::string kNiReading = "n\xA8\xAB";
const std::string kHaoReading = "h\xA8\xA3o";
const std::string kHeReading = "h\xA8\xA5";

struct ItemsCase {
    const char* name;
    std::string text;
    std::vector<std::string> readings;
    friend void PrintTo(const ItemsCase& c, std::ostream* os) { *os << c.name; }
};

class UnihanPinyinProviderItems : public ::testing::TestWithParam<ItemsCase> { };

TEST_P(UnihanPinyinProviderItems, CountsAndReadsTheCharactersThatHaveReadings)
{
    const UnihanPinyinProvider provider;
    const ItemsCase& c = GetParam();
    ASSERT_EQ(provider.CountPinyinItems(c.text), static_cast<int>(c.readings.size()));
    for (std::size_t i = 0; i < c.readings.size(); ++i)
        EXPECT_EQ(provider.GetPinyinReading(c.text, static_cast<int>(i) + 1, 1), c.readings[i])
            << i;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UnihanPinyinProviderItems,
    ::testing::Values(
        ItemsCase{"Empty", "", {}}, ItemsCase{"OneCharacter", kNi, {kNiReading}},
        ItemsCase{"FourByteCharacter", kHe, {kHeReading}},
        ItemsCase{"InTextOrder", kNi + kHe + kHao, {kNiReading, kHeReading, kHaoReading}},
        ItemsCase{"LettersBlanksAndPunctuationAreNoItems",
                  "a " + kNi
                      + "\xA3\xAC"
                        "1"
                      + kHao + "\xA4\xA2.",
                  {kNiReading, kHaoReading}},
        // A lone half-width letter must not make the provider pair bytes across characters.
        ItemsCase{"OddByteBeforeCharacters", "x" + kNi + kHao, {kNiReading, kHaoReading}},
        ItemsCase{"MalformedBytesAreSkipped", "\xFF" + kNi + "\x81", {kNiReading}},
        ItemsCase{"TruncatedFourByteCharacter", kHe.substr(0, 3), {}},
        ItemsCase{"InvalidTrailByte", "\xC4\x7F", {}},
        ItemsCase{"UserDefinedArea", "\xAA\xA1\xFE\xFE", {}},
        ItemsCase{"NulByte", std::string(1, '\0') + kNi, {kNiReading}}),
    testing::CaseName{});

TEST(UnihanPinyinProvider, ItemsOutsideTheCountReadEmpty)
{
    const UnihanPinyinProvider provider;
    const std::string text = kNi + kHao;
    for (const int item : {-1, 0, 3, 1000})
        EXPECT_EQ(provider.GetPinyinReading(text, item, 1), "") << item;
    EXPECT_EQ(provider.GetPinyinReading("", 1, 1), "");
}

TEST(UnihanPinyinProvider, FeedsHanziToPinyinWithBothOptions)
{
    const UnihanPinyinProvider provider;
    const std::string text = kNi + "," + kHao + kHe;
    EXPECT_EQ(HanziToPinyin(provider, text, 0, 0), "nihaohe");
    EXPECT_EQ(HanziToPinyin(provider, text, 0, 1), "ni hao he ");
    EXPECT_EQ(HanziToPinyin(provider, text), "Ni Hao He ");
}

} // namespace
} // namespace tavenor
