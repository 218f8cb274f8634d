#include "score/fill_notes.h"

#include "pinyin/unihan_pinyin_provider.h"
#include "score/note_split.h"
#include "score/sung_units.h"
#include "tests/support/built_in_table.h"
#include "tests/support/case_name.h"
#include "tests/support/scripted_pinyin.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tavenor {

// Printed in failures as what they hold.
void PrintTo(const NoteFill& fill, std::ostream* os)
{
    *os << "{note " << fill.note << " \"" << fill.lyric << "\" " << fill.duration;
    for (const AddedNote& added : fill.added)
        *os << " + \"" << added.lyric << "\" " << added.duration;
    *os << '}';
}

void PrintTo(const FillReport& report, std::ostream* os)
{
    *os << "{kind " << static_cast<int>(report.kind) << " note " << report.note << " count "
        << report.count << " \"" << report.text << "\"}";
}

bool operator==(const AddedNote& a, const AddedNote& b)
{
    return a.lyric == b.lyric && a.duration == b.duration;
}

bool operator==(const NoteFill& a, const NoteFill& b)
{
    return a.note == b.note && a.lyric == b.lyric && a.duration == b.duration && a.added == b.added;
}

bool operator==(const FillReport& a, const FillReport& b)
{
    return a.kind == b.kind && a.note == b.note && a.count == b.count && a.text == b.text;
}

namespace {

using Kind = FillReport::Kind;

// Notes one after the other, each a lyric and a length.
std::vector<ScoreNote> notesOf(std::initializer_list<std::pair<const char*, std::int64_t>> given)
{
    std::vector<ScoreNote> notes;
    std::int64_t position = 0;
    for (const auto& [lyric, duration] : given) {
        notes.push_back({lyric, position, duration, 60});
        position += duration;
    }
    return notes;
}

FillOptions withLyrics(const char* lyrics)
{
    FillOptions options;
    options.lyrics = lyrics;
    return options;
}

FillOptions romaji(FillOptions options = {})
{
    options.romaji = true;
    return options;
}

FillOptions noSplit(FillOptions options = {})
{
    options.split = false;
    return options;
}

FillOptions tail(std::int64_t ticks, FillOptions options = {})
{
    options.tail = ticks;
    return options;
}

FillOptions emptySings(FillOptions options)
{
    options.emptyLyricIsRest = false;
    return options;
}

FillOptions lu(LuReading reading, FillOptions options = {})
{
    options.lu = reading;
    return options;
}

FillOptions syllables(std::vector<std::string> chosen, FillOptions options = {})
{
    options.syllables = std::move(chosen);
    return options;
}

struct PlanCase {
    const char* name;
    std::vector<ScoreNote> notes;
    FillOptions options;
    std::vector<NoteFill> fills;
    std::vector<FillReport> reports;
};

class PlanFillTest : public ::testing::TestWithParam<PlanCase> { };

TEST_P(PlanFillTest, FillsAndReportsAsTheWindowConverts)
{
    const PlanCase& c = GetParam();
    const FillPlan plan
        = PlanFill(c.notes, c.options, testing::BuiltInTable(), UnihanPinyinProvider());
    EXPECT_EQ(plan.fills, c.fills);
    EXPECT_EQ(plan.reports, c.reports);
}

// 你 ni "ni", 好 hao "ha o", 见 jian "chi a n", 鲁 lu, 绿 lv "ri yu", 英 ying (no row).
INSTANTIATE_TEST_SUITE_P(
    Cases, PlanFillTest,
    ::testing::Values(
        PlanCase{"NotesSingTheirOwnCharactersInKana",
                 notesOf({{"你", 480}, {"好", 480}}),
                 {},
                 {{0, "に", 480, {}}, {1, "は", 360, {{"お", 120}}}},
                 {}},
        PlanCase{"RomajiAsTheTableWritesIt",
                 notesOf({{"你", 480}, {"见", 480}}),
                 romaji(),
                 {{0, "ni", 480, {}}, {1, "chi", 240, {{"a", 120}, {"n", 120}}}},
                 {}},
        PlanCase{"OnlyNotesOfOneHanCharacterAreUnitsWithoutLyrics",
                 notesOf({{"R", 100},
                          {"a", 100},
                          {"你好", 100},
                          {"-", 100},
                          {"+~", 100},
                          {"の", 100},
                          {"。", 100},
                          {"好", 480}}),
                 {},
                 {{7, "は", 360, {{"お", 120}}}},
                 {}},
        PlanCase{"LyricsGoToTheSingingNotesInOrder",
                 notesOf({{"a", 480},
                          {"R", 480},
                          {"+", 240},
                          {"-", 240},
                          {"", 240},
                          {"r", 240},
                          {"la", 480},
                          {"你", 480}}),
                 withLyrics("你，好！\r\n  见."),
                 {{0, "に", 480, {}},
                  {6, "は", 360, {{"お", 120}}},
                  {7, "ち", 240, {{"あ", 120}, {"ん", 120}}}},
                 {}},
        PlanCase{"NotesWithoutALyricSingWhereTheyAreNoRests",
                 notesOf({{"", 480}, {"R", 480}, {"", 480}}),
                 emptySings(withLyrics("你好")),
                 {{0, "に", 480, {}}, {2, "は", 360, {{"お", 120}}}},
                 {}},
        PlanCase{"ANoteThatAlreadySingsItsPartIsLeftOut",
                 notesOf({{"に", 480}, {"は", 360}, {"お", 120}}),
                 withLyrics("你好"),
                 {{1, "は", 240, {{"お", 120}}}},
                 {{Kind::NotesWithoutCharacter, 2, 1, ""}}},
        PlanCase{"EachLaterPartTakesTheTailAtMost",
                 notesOf({{"见", 300}, {"见", 3}, {"好", 481}}),
                 tail(1000),
                 {{0, "ち", 100, {{"あ", 100}, {"ん", 100}}},
                  {1, "ち", 1, {{"あ", 1}, {"ん", 1}}},
                  {2, "は", 241, {{"お", 240}}}},
                 {}},
        PlanCase{"ASmallerTail",
                 notesOf({{"见", 480}}),
                 tail(50),
                 {{0, "ち", 380, {{"あ", 50}, {"ん", 50}}}},
                 {}},
        PlanCase{"ANoteShorterThanItsPartsSingsTheFirst",
                 notesOf({{"见", 2}, {"好", 1}, {"你", 1}}),
                 {},
                 {{0, "ち", 2, {}}, {1, "は", 1, {}}, {2, "に", 1, {}}},
                 {{Kind::TooShortToSplit, 0, 1, "jian"}, {Kind::TooShortToSplit, 1, 1, "hao"}}},
        PlanCase{"NoSplitSingsTheFirstPartOnly",
                 notesOf({{"见", 480}, {"好", 480}}),
                 noSplit(romaji()),
                 {{0, "chi", 480, {}}, {1, "ha", 480, {}}},
                 {}},
        PlanCase{"LuAutoTakesEachCharactersOwnReading",
                 notesOf({{"鲁", 480}, {"绿", 480}}),
                 romaji(),
                 {{0, "ru", 480, {}}, {1, "ri", 360, {{"yu", 120}}}},
                 {}},
        PlanCase{"LuYesReadsEveryLuAsLu",
                 notesOf({{"鲁", 480}, {"绿", 480}}),
                 lu(LuReading::Lu),
                 {{0, "る", 480, {}}, {1, "る", 480, {}}},
                 {}},
        PlanCase{"LuNoReadsEveryLuAsLv",
                 notesOf({{"鲁", 480}, {"绿", 480}}),
                 lu(LuReading::Lv),
                 {{0, "り", 360, {{"ゆ", 120}}}, {1, "り", 360, {{"ゆ", 120}}}},
                 {}},
        PlanCase{"ChosenSyllablesStandForTheReadingsUnitByUnit",
                 notesOf({{"R", 480}, {"好", 480}, {"好", 480}, {"绿", 480}, {"你", 480}}),
                 syllables({"ni", "", "lu"}, romaji(withLyrics("好好绿你"))),
                 {{1, "ni", 480, {}},
                  {2, "ha", 360, {{"o", 120}}},
                  {3, "ru", 480, {}},
                  {4, "ni", 480, {}}},
                 {}},
        PlanCase{"ASyllableTheTableLacksIsSungAsPinyin",
                 notesOf({{"你", 480}, {"英", 480}, {"好", 480}}),
                 {},
                 {{0, "に", 480, {}}, {1, "ying", 480, {}}, {2, "は", 360, {{"お", 120}}}},
                 {{Kind::MissingSyllable, 1, 1, "ying"}}},
        PlanCase{"CharactersLeftOverWithoutANote",
                 notesOf({{"a", 480}, {"R", 480}}),
                 withLyrics("你好，见"),
                 {{0, "に", 480, {}}},
                 {{Kind::CharactersLeftOver, 2, 2, "好见"}}},
        PlanCase{"NotesLeftWithoutACharacter",
                 notesOf({{"a", 480}, {"R", 480}, {"a", 480}, {"-", 480}, {"a", 480}}),
                 withLyrics("你"),
                 {{0, "に", 480, {}}},
                 {{Kind::NotesWithoutCharacter, 2, 2, ""}}},
        PlanCase{"LyricsWithoutHanCharactersSingNothing",
                 notesOf({{"a", 480}}),
                 withLyrics("la la, 123 ひらがな"),
                 {},
                 {{Kind::NotesWithoutCharacter, 0, 1, ""}}},
        PlanCase{"NoNotes", {}, withLyrics("你"), {}, {{Kind::CharactersLeftOver, 0, 1, "你"}}}),
    testing::CaseName());

// A character the provider has no reading for keeps its lyric, and is named.
TEST(PlanFill, ACharacterWithoutAReadingIsReported)
{
    const testing::ScriptedProvider provider = testing::LyricsProvider();
    const FillPlan plan
        = PlanFill(notesOf({{"你", 480}, {"见", 480}}), {}, testing::BuiltInTable(), provider);
    EXPECT_EQ(plan.fills, (std::vector<NoteFill>{{0, "に", 480, {}}}));
    EXPECT_EQ(plan.reports, (std::vector<FillReport>{{Kind::MissingSyllable, 1, 1, "见"}}));
}

// A row of another table whose part has no kana is sung in romaji; brackets never reach a lyric.
TEST(PlanFill, APartWithoutKanaIsSungInRomaji)
{
    SyllableTable table;
    LoadSyllableTable(table, "ni=nyi a=nyi[J i]\r\nhao=\r\n");
    testing::ScriptedProvider provider = testing::LyricsProvider();
    provider.readings["\xBC\xFB"] = "[1]"; // 见, a reading without a letter
    const FillPlan plan
        = PlanFill(notesOf({{"你", 480}, {"好", 480}, {"见", 480}}), {}, table, provider);
    EXPECT_EQ(plan.fills,
              (std::vector<NoteFill>{
                  {0, "nyi", 360, {{"あ", 120}}}, {1, "hao", 480, {}}, {2, "1", 480, {}}}));
    EXPECT_EQ(plan.reports,
              (std::vector<FillReport>{{Kind::MissingSyllable, 1, 1, "hao"},
                                       {Kind::MissingSyllable, 2, 1, "[1]"}}));
}

TEST(SungUnits, HanCharactersOfTheLyricsInOrder)
{
    std::vector<std::string> found;
    for (const SungUnit& unit : UnitsOfLyrics("a𠀀、你〇\xFF好ー々"))
        found.push_back(unit.utf8);
    EXPECT_EQ(found, (std::vector<std::string>{"𠀀", "你", "〇", "好"}));
}

TEST(SungUnits, RestsAndContinuationsSingNothing)
{
    for (const char* lyric : {"", "R", "r", "-", "+", "+~", "+*"})
        EXPECT_FALSE(SingsAUnit(lyric)) << lyric;
    for (const char* lyric : {"a", "-a", "R2", "rr", "あ", "你"})
        EXPECT_TRUE(SingsAUnit(lyric)) << lyric;
    EXPECT_TRUE(SingsAUnit("", /*emptyIsRest=*/false));
    EXPECT_FALSE(SingsAUnit("R", /*emptyIsRest=*/false));
}

TEST(NoteSplit, LaterPartsAreTheTailOrAnEvenShare)
{
    const struct {
        std::int64_t length;
        std::size_t parts;
        std::int64_t tail;
        std::optional<SplitLengths> expected;
    } cases[] = {
        {480, 2, 120, SplitLengths{360, 120}},
        {480, 3, 120, SplitLengths{240, 120}},
        {200, 3, 120, SplitLengths{68, 66}},
        {3, 3, 120, SplitLengths{1, 1}},
        {2, 3, 120, std::nullopt},
        {0, 2, 120, std::nullopt},
        {480, 2, 0, SplitLengths{479, 1}},
        {480, 1, 120, SplitLengths{480, 120}},
    };
    for (const auto& c : cases) {
        const auto split = SplitNote(c.length, c.parts, c.tail);
        ASSERT_EQ(split.has_value(), c.expected.has_value()) << c.length << " " << c.parts;
        if (split) {
            EXPECT_EQ(split->first, c.expected->first) << c.length << " " << c.parts;
            EXPECT_EQ(split->eachLater, c.expected->eachLater) << c.length << " " << c.parts;
            EXPECT_EQ(split->first + static_cast<std::int64_t>(c.parts - 1) * split->eachLater,
                      c.length);
        }
    }
}

} // namespace
} // namespace tavenor
