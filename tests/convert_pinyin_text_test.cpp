#include "romaji/romaji_conversion.h"

#include "table/syllable_table.h"

#include "tests/support/built_in_table.h"
#include "tests/support/case_name.h"
#include "tests/support/review_marker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace tavenor {
namespace {

const std::string& M = testing::kReviewMarker;

struct ConvertCase {
    const char* name;
    std::string pinyin;
    RomajiTexts expected;
    friend void PrintTo(const ConvertCase& c, std::ostream* os) { *os << c.name; }
};

class ConvertPinyinTextTest : public ::testing::TestWithParam<ConvertCase> { };

TEST_P(ConvertPinyinTextTest, GivesTheFourTexts)
{
    const RomajiTexts texts = ConvertPinyinText(GetParam().pinyin, testing::BuiltInTable());
    EXPECT_EQ(texts.decomposition, GetParam().expected.decomposition);
    EXPECT_EQ(texts.romaji, GetParam().expected.romaji);
    EXPECT_EQ(texts.final, GetParam().expected.final);
    EXPECT_EQ(texts.history, GetParam().expected.history);
}

const RomajiTexts kWorkedExample{"b,a,n,i,w,o,l,v,", "pa , ni , wo , ri yu , ",
                                 "pa[p a]\r\nni[J i]\r\nwo[w o]\r\nri[4' i]+yu[jM]\r\n",
                                 "ba\r\nni\r\nwo\r\nlv\r\n"};

INSTANTIATE_TEST_SUITE_P(
    Pieces, ConvertPinyinTextTest,
    ::testing::Values(
        ConvertCase{"WorkedExample", "ba,ni,wo,lv,", kWorkedExample},
        ConvertCase{"WorkedExampleWithoutLastComma", "ba,ni,wo,lv", kWorkedExample},
        ConvertCase{
            "NiHao",
            "ni,hao,",
            {"n,i,h,ao,", "ni , ha o , ", "ni[J i]\r\nha[h a o]" + M + "\r\n", "ni\r\nhao\r\n"}},
        ConvertCase{"EmptyBox", "", {}},
        ConvertCase{"RewritesAndDecompositions",
                    "zhi,chuang,shun,jue,xu,yun,",
                    {"zh,i,ch,u,ang,sh,u,en,j,ve,x,v,y,u,en,",
                     "zi , chu a n , su n , chu e , shu , yu n , ",
                     "zi[dz i]\r\nchu[tS M]+a[a N\\]" + M + "\r\nsu[s M N\\]" + M
                         + "\r\nchu[tS M e]" + M + "\r\nshu[S M]\r\nyu[y M N\\]" + M + "\r\n",
                     "zhi\r\nchuang\r\nshuen\r\njve\r\nxv\r\nyuen\r\n"}},
        ConvertCase{"ZeroInitialsGetNoHistory",
                    "ai,er,o,",
                    {"ai,er,o,", "a i , e , o , ", "a[a i]" + M + "\r\ne[e]\r\no[o]\r\n", ""}},
        ConvertCase{
            "MedialsAndNasals",
            "yi,bin,gui,liu,",
            {"y,i,b,in,g,u,ei,l,i,ou,", "i , pi n , gu i , ri u , ",
             "i[i]\r\npi[p i N\\]" + M + "\r\ngu[g M i]" + M + "\r\nri[4' i M]" + M + "\r\n",
             "yi\r\nbin\r\nguei\r\nliou\r\n"}},
        ConvertCase{"JunIsRewrittenTwice",
                    "jun,",
                    {"j,ven,", "chu n , ", "chu[tS M N\\]" + M + "\r\n", "jven\r\n"}},
        ConvertCase{"EmptyHeads", "m,zh,", {"m,,zh,,", "? , ? , ", "?\r\n?\r\n", "m\r\nzh\r\n"}},
        ConvertCase{"RowsOneAndFive",
                    "hu,chin,",
                    {"h,u,ch,in,", "hu , ? , ", "hu[h M]\r\n?\r\n", "hu\r\nchin\r\n"}},
        ConvertCase{"LeadingBlank", " ba,", {" ,ba,", "? , ", "?\r\n", " ba\r\n"}},
        ConvertCase{"UnknownFirstPiece",
                    "Ba,ni,",
                    {"B,a,n,i,", "? , ni , ", "?\r\nni[J i]\r\n", "Ba\r\nni\r\n"}},
        ConvertCase{"DuplicateRowsTakeTheFirst",
                    "lu,nu,qing,xing,",
                    {"l,u,n,u,q,ing,x,ing,", "ru , nu , chi n , shi n , ",
                     "ru[4' M]\r\nnu[N\\ M]\r\nchi[tS i N\\]" + M + "\r\nshi[S i N\\]" + M + "\r\n",
                     "lu\r\nnu\r\nqing\r\nxing\r\n"}},
        ConvertCase{"EmptyPiecesAreDropped",
                    ",,ba,,ni,,",
                    {"b,a,n,i,", "pa , ni , ", "pa[p a]\r\nni[J i]\r\n", "ba\r\nni\r\n"}},
        // Pasted lines: every kind of line break separates like a comma and reaches no box.
        ConvertCase{"LineBreaksSeparateLikeCommas",
                    "ba\r\nni\nba\rni,\r\n",
                    {"b,a,n,i,b,a,n,i,", "pa , ni , pa , ni , ",
                     "pa[p a]\r\nni[J i]\r\npa[p a]\r\nni[J i]\r\n", "ba\r\nni\r\nba\r\nni\r\n"}},
        // 你 (C4 E3) typed into the box: with the trailing byte counted on its own, "\xE3" would
        // never be split from its lead.
        ConvertCase{"ChineseCharacterStaysWhole",
                    "\xC4\xE3,",
                    {"\xC4\xE3,,", "? , ", "?\r\n", "\xC4\xE3\r\n"}},
        // 81 68 is a GBK character whose trailing byte is "h": it is one character, not an initial
        // "?h", so the piece takes row 5 and not row 2.
        ConvertCase{"TrailingByteThatLooksLikeH",
                    "\x81hui,",
                    {"\x81h,u,ei,", "? , ", "?\r\n", "\x81huei\r\n"}},
        // A character ending in "u" followed by "i" must not become "uei" inside the character.
        ConvertCase{"TrailingByteThatLooksLikeU",
                    "x\x81ui,",
                    {"x,\x81ui,", "? , ", "?\r\n", "x\x81ui\r\n"}},
        ConvertCase{"FourByteCharacter",
                    "\x95\x32\x82\x36n,",
                    {"\x95\x32\x82\x36,n,", "? , ", "?\r\n", "\x95\x32\x82\x36n\r\n"}}),
    testing::CaseName{});

TEST(ConvertPinyinText, EmptyTableGivesQuestionMarksForEveryPiece)
{
    const RomajiTexts texts = ConvertPinyinText("ba,ni,", SyllableTable{});
    EXPECT_EQ(texts.romaji, "? , ? , ");
    EXPECT_EQ(texts.final, "?\r\n?\r\n");
}

// A piece is spelled whole whatever its length, also where the rewrite of its final lengthens it.
TEST(ConvertPinyinText, PiecesOfAnyLengthAreSpelledWhole)
{
    for (std::size_t length = 5; length <= 40; ++length) {
        const std::string middle(length - 4, 'a');
        const RomajiTexts texts = ConvertPinyinText("ch" + middle + "un,", SyllableTable{});
        EXPECT_EQ(texts.decomposition, "ch," + middle + "uen,") << length << " letters";
        EXPECT_EQ(texts.history, "ch" + middle + "uen\r\n") << length << " letters";
    }
}

// Every table row converts to its own romaji and phonemes when typed as a piece of a longer
// list, whatever stands before it.
TEST(ConvertPinyinText, EveryRowIsFoundInAShuffledList)
{
    const SyllableTable& table = testing::BuiltInTable();
    std::vector<std::size_t> order(table.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::shuffle(order.begin(), order.end(), std::mt19937(20261208));
    std::string pinyin;
    std::string romaji;
    std::string final;
    for (const std::size_t i : order) {
        // Duplicate rows: the first of them, found here without the table's own lookup.
        const SyllableRecord& first
            = *std::find_if(table.begin(), table.end(),
                            [&](const auto& row) { return row.pinyin == table[i].pinyin; });
        pinyin += table[i].pinyin + ",";
        romaji += first.romaji + " , ";
        final += first.phonemes + "\r\n";
    }
    const RomajiTexts texts = ConvertPinyinText(pinyin, table);
    EXPECT_EQ(texts.romaji, romaji);
    EXPECT_EQ(texts.final, final);
}

} // namespace
} // namespace tavenor
