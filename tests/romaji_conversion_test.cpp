#include "romaji/romaji_conversion.h"

#include "table/syllable_table.h"

#include "tests/support/built_in_table.h"
#include "tests/support/plain_romaji_conversion.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tavenor {
namespace {

using Lookup = RomajiConversion::Lookup;

// Texts of pieces with and without rows: every row, duplicates and odd rows of the table at hand,
// and pieces no row has (characters, bytes that start no character, separators' neighbours).
std::vector<std::string> mixedTexts(const SyllableTable& table)
{
    std::vector<std::string> pieces{"ying", "Ba",       "\xC4\xE3", "\x95\x32\x82\x36",
                                    "\x81", "jun",      "zhuo",     "\"q\\",
                                    "a\tb", "n\ri",     "x\x81ui",  "lv",
                                    "",     "zhuangba", "qiu",      "gui"};
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

// A print that maps byte by byte, as the front ends' prints map character by character.
void printCommasAsSemicolons(std::string_view part, std::string& out)
{
    for (const char c : part)
        out += c == ',' ? ';' : c;
}

RomajiTexts commasAsSemicolons(const RomajiTexts& texts)
{
    RomajiTexts printed;
    for (const RomajiText which : kRomajiTexts)
        printCommasAsSemicolons(texts[which], printed[which]);
    return printed;
}

// Scanning or indexed, printed or not, one conversion used for text after text: every text must
// read exactly as the plain conversion gives it, whichever row comes first and whatever the
// pieces hold.
TEST(RomajiConversion, GivesWhatThePlainConversionGives)
{
    const SyllableTable odd = tableOf("ba=B1=p1\r\nba=B2=p2\r\n\xC4\xE3=N=n\r\n=E=e\r\nzhuo=Z=z\r\n"
                                      "zhuangba=L=l\r\n");
    for (const SyllableTable* table : {&testing::BuiltInTable(), &odd}) {
        for (const Lookup lookup : {Lookup::ScanFromFirstRow, Lookup::Indexed}) {
            RomajiConversion conversion(*table, lookup);
            RomajiConversion printing(*table, lookup, printCommasAsSemicolons);
            for (const std::string& text : mixedTexts(*table)) {
                const testing::PlainConversion expected = testing::PlainConvert(text, *table);
                conversion.convert(text);
                printing.convert(text);
                const std::vector<std::string_view>& missing = conversion.missingPieces();
                EXPECT_EQ(conversion.texts(), expected.texts)
                    << "table of " << table->size() << " rows, text " << text;
                EXPECT_EQ(printing.texts(), commasAsSemicolons(expected.texts)) << text;
                EXPECT_EQ(std::vector<std::string>(missing.begin(), missing.end()),
                          expected.missingPieces);
            }
        }
    }
}

} // namespace
} // namespace tavenor
