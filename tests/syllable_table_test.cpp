#include "table/syllable_table.h"

#include "tests/support/review_marker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace tavenor {
namespace {

using testing::kReviewMarker;

class LoadedTable : public ::testing::Test {
protected:
    void SetUp() override { LoadSyllableTable(table); }
    SyllableTable table;
};

TEST_F(LoadedTable, HoldsEveryRowInOrderWithTheMarkerInPhonemes)
{
    ASSERT_EQ(table.size(), 409U);
    EXPECT_EQ(table[0], (SyllableRecord{"a", "a", "a[a]"}));
    EXPECT_EQ(table[1].phonemes, "a[a i]" + kReviewMarker);
    EXPECT_EQ(table[153].phonemes, "ke[ ke N\\]" + kReviewMarker);
    EXPECT_EQ(table[383].phonemes, "cha[tSa ]+n[N\\]");
    EXPECT_EQ(table[408], (SyllableRecord{"zuo", "zu o", "zu[dz M o]" + kReviewMarker}));
}

TEST_F(LoadedTable, KeepsBothCopiesOfEachDuplicate)
{
    for (const auto& [first, second] : {std::pair{185, 191}, {230, 231}, {261, 262}, {352, 353}}) {
        const auto a = static_cast<std::size_t>(first - 1);
        const auto b = static_cast<std::size_t>(second - 1);
        EXPECT_EQ(table[a], table[b]) << first << " and " << second;
    }
    std::set<std::string> distinct;
    for (const SyllableRecord& record : table)
        distinct.insert(record.pinyin);
    EXPECT_EQ(distinct.size(), 405U);
}

TEST_F(LoadedTable, FindFirstStopsAtTheEarliestRow)
{
    EXPECT_EQ(table.findFirst("lu"), &table[184]);
    EXPECT_EQ(table.findFirst("xing"), &table[351]);
    EXPECT_EQ(table.findFirst("zuo"), &table[408]);
    EXPECT_EQ(table.findFirst("Ba"), nullptr);
    EXPECT_EQ(table.findFirst(" ba"), nullptr);
    EXPECT_EQ(table.findFirst(""), nullptr);
}

TEST_F(LoadedTable, NoFieldIsEmptyAndPinyinIsLowercaseLetters)
{
    for (const SyllableRecord& record : table) {
        SCOPED_TRACE(record.pinyin);
        EXPECT_FALSE(record.romaji.empty());
        EXPECT_FALSE(record.phonemes.empty());
        ASSERT_FALSE(record.pinyin.empty());
        for (const char c : record.pinyin)
            EXPECT_TRUE(c >= 'a' && c <= 'z');
    }
}

TEST(LoadSyllableTable, ShortRowsGetEmptyFieldsAndExtraFieldsAreIgnored)
{
    SyllableTable table;
    LoadSyllableTable(table, "ba\r\nni=ni\r\nwo=wo=wo[w o]=extra\r\n");
    ASSERT_EQ(table.size(), 3U);
    EXPECT_EQ(table[0], (SyllableRecord{"ba", "", ""}));
    EXPECT_EQ(table[1], (SyllableRecord{"ni", "ni", ""}));
    EXPECT_EQ(table[2], (SyllableRecord{"wo", "wo", "wo[w o]"}));
}

TEST(LoadSyllableTable, ASecondLoadGoesAheadOfWhatIsThere)
{
    SyllableTable table;
    LoadSyllableTable(table, "old=o=o[o]\r\n");
    LoadSyllableTable(table, "new=n=n[n]\r\n");
    ASSERT_EQ(table.size(), 2U);
    EXPECT_EQ(table[0].pinyin, "new");
    EXPECT_EQ(table[1].pinyin, "old");
}

// The scan compares packed keys; it must agree with comparing the texts, around the seven bytes
// that fit one key, with bytes that are not letters, and with duplicates of every length, both
// where it compares many rows at once and in the last few rows.
TEST(FindFirst, AgreesWithComparingTheTexts)
{
    using namespace std::string_literals;
    const std::vector<std::string> keys{"ba",        "abcdefg", "abcdefgh",  "abcdefgh",
                                        "abcdefghi", "ba",      "b"s + '\0', "\xC4\xE3",
                                        "",          "zhuang",  "abcdefg",   "x\xFF\xFF\xFF"};
    std::string text;
    for (std::size_t i = 0; i < keys.size(); ++i)
        text += keys[i] + "=r" + std::to_string(i) + "\r\n";
    SyllableTable table;
    LoadSyllableTable(table, text);
    LoadSyllableTable(table);
    std::vector<std::string> probes = keys;
    for (const SyllableRecord& row : table) {
        probes.push_back(row.pinyin);
        probes.push_back(row.pinyin + "g");
    }
    for (const std::string& more : {"b"s, "abcdef"s, "abcdefgi"s, "abcdefghij"s, "Ba"s, "x"s})
        probes.push_back(more);
    for (const std::string& probe : probes) {
        const auto expected = std::find_if(
            table.begin(), table.end(), [&](const SyllableRecord& r) { return r.pinyin == probe; });
        EXPECT_EQ(table.findFirst(probe), expected == table.end() ? nullptr : &*expected)
            << "probe of " << probe.size() << " bytes: " << probe;
    }
}

} // namespace
} // namespace tavenor
