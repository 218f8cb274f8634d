#include "romaji/batch_conversion.h"

#include "romaji/convert_pinyin_text.h"
#include "table/syllable_table.h"

#include "tests/support/built_in_table.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tavenor {
namespace {

void appendAsIs(std::string_view part, std::string& out) { out += part; }

// Texts of pieces with and without rows: every row, duplicates and odd rows of the table at hand,
// and pieces no row has (characters, bytes that start no character, separators' neighbours).
std::vector<std::string> mixedTexts(const SyllableTable& table)
{
    std::vector<std::string> pieces{
        "ying",  "Ba",   "\xC4\xE3", "\x95\x32\x82\x36", "\x81", "jun", "zhuo",
        "\"q\\", "a\tb", "n\ri",     "x\x81ui",          "lv",   ""};
    for (const SyllableRecord& row : table)
        pieces.push_back(row.pinyin);
    std::mt19937 random(16);
    std::vector<std::string> texts(400);
    for (std::string& text : texts) {
        for (std::size_t n = random() % 12; n > 0; --n)
            text += pieces[random() % pieces.size()] + (random() % 8 == 0 ? "\n" : ",");
    }
    return texts;
}

SyllableTable tableOf(std::string_view text)
{
    SyllableTable table;
    LoadSyllableTable(table, text);
    return table;
}

// A piece that finds a row adds that row's prepared parts; every text must still read exactly as
// the piece-by-piece conversion gives it, whichever row comes first and whatever the pieces hold.
TEST(BatchConversion, GivesWhatThePieceByPieceConversionGives)
{
    const SyllableTable odd
        = tableOf("ba=B1=p1\r\nba=B2=p2\r\n\xC4\xE3=N=n\r\n=E=e\r\nzhuo=Z=z\r\n");
    for (const SyllableTable* table : {&testing::BuiltInTable(), &odd}) {
        BatchConversion batch(*table, appendAsIs);
        for (const std::string& text : mixedTexts(*table)) {
            const RomajiTexts expected = ConvertPinyinText(text, *table);
            batch.convert(text);
            RomajiTexts texts;
            for (const RomajiText which : kRomajiTexts)
                batch.append(which, texts[which]);
            EXPECT_EQ(texts, expected) << "table of " << table->size() << " rows, text " << text;
        }
    }
}

TEST(BatchConversion, NamesThePiecesWithoutARowInOrder)
{
    BatchConversion batch(testing::BuiltInTable(), appendAsIs);
    batch.convert("ying,ni,\xC4\xE3\n,ying,x");
    EXPECT_EQ(batch.missingPieces(),
              (std::vector<std::string_view>{"ying", "\xC4\xE3", "ying", "x"}));
    batch.convert("ni,hao,");
    EXPECT_TRUE(batch.missingPieces().empty());
}

// Each part is printed on its own; the printed form of a text is its parts' printed forms in order.
TEST(BatchConversion, PrintsEachPartThroughTheEncoding)
{
    BatchConversion batch(testing::BuiltInTable(), [](std::string_view part, std::string& out) {
        out += '<';
        out += part;
        out += '>';
    });
    batch.convert("ni,ying,");
    std::string romaji;
    batch.append(RomajiText::Romaji, romaji);
    EXPECT_EQ(romaji, "<ni , ><? , >");
}

} // namespace
} // namespace tavenor
