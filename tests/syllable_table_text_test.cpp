#include "table/syllable_table_text.h"
#include "text/cut_text.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tavenor {
namespace {

const std::string kMarker = "\xA1\xFB------\xB4\xCB\xB6\xC1\xD2\xF4\xD0\xE8\xB8\xC4\xB1\xE4";

std::size_t countOf(std::string_view text, std::string_view needle)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(needle); at != std::string_view::npos;
         at = text.find(needle, at + needle.size()))
        ++count;
    return count;
}

TEST(SyllableTableText, IsPinnedByteForByte)
{
    const QByteArray digest = QCryptographicHash::hash(
        QByteArrayView(SyllableTableText.data(), static_cast<qsizetype>(SyllableTableText.size())),
        QCryptographicHash::Sha256);
    EXPECT_EQ(digest.toHex().toStdString(),
              "7f5a8e041c56d7664bc32cf8ba4853a85fab8c3dadc413d77cd7c178fada6b5f");
    EXPECT_EQ(SyllableTableText.size(), 14816U);
    EXPECT_EQ(SyllableTableText.data()[SyllableTableText.size()], '\0');
}

TEST(SyllableTableText, HasTheCountedSeparatorsAndMarkers)
{
    EXPECT_EQ(countOf(SyllableTableText, "\r\n"), 409U);
    EXPECT_EQ(countOf(SyllableTableText, "="), 818U);
    EXPECT_EQ(countOf(SyllableTableText, "+"), 63U);
    EXPECT_EQ(countOf(SyllableTableText, kMarker), 299U);
    EXPECT_EQ(countOf(SyllableTableText, "\t"), 0U);
}

TEST(SyllableTableText, EveryRowHasThreeFieldsAndAMarkerOnlyAtItsEnd)
{
    const auto rows = CutText(SyllableTableText, "\r\n");
    ASSERT_EQ(rows.size(), 409U);
    for (const std::string_view row : rows) {
        SCOPED_TRACE(std::string(row));
        EXPECT_EQ(CutText(row, "=").size(), 3U);
        EXPECT_LE(row.size(), 53U);
        EXPECT_NE(row.front(), ' ');
        EXPECT_NE(row.back(), ' ');
        EXPECT_EQ(row.find('\r'), std::string_view::npos);
        EXPECT_EQ(row.find('\n'), std::string_view::npos);
        const std::size_t marker = row.find(kMarker);
        if (marker != std::string_view::npos) {
            EXPECT_EQ(marker + kMarker.size(), row.size());
        }
    }
}

struct RowCase {
    std::size_t row;
    std::string text;
    friend void PrintTo(const RowCase& c, std::ostream* os) { *os << c.text; }
};

class SyllableTableTextRowTest : public ::testing::TestWithParam<RowCase> { };

TEST_P(SyllableTableTextRowTest, RowStandsExactly)
{
    const auto rows = CutText(SyllableTableText, "\r\n");
    ASSERT_GE(rows.size(), GetParam().row);
    EXPECT_EQ(rows[GetParam().row - 1], GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    QuotedRows, SyllableTableTextRowTest,
    ::testing::Values(RowCase{1, "a=a=a[a]"}, RowCase{2, "ai=a i=a[a i]" + kMarker},
                      RowCase{154, "keng=ke n=ke[ ke N\\]" + kMarker},
                      RowCase{185, "lu=ru=ru[4' M]"}, RowCase{187, "lv=ri yu=ri[4' i]+yu[jM]"},
                      RowCase{191, "lu=ru=ru[4' M]"}, RowCase{384, "zhan=cha n=cha[tSa ]+n[N\\]"},
                      RowCase{395, "zhua=ju wa=ju[dZ M]+wa[wa]"},
                      RowCase{409, "zuo=zu o=zu[dz M o]" + kMarker}));

TEST(SyllableTableText, OnlyLvSpellsUmlautWithV)
{
    std::size_t withV = 0;
    for (const std::string_view row : CutText(SyllableTableText, "\r\n")) {
        const std::string_view pinyin = CutText(row, "=").front();
        withV += std::count(pinyin.begin(), pinyin.end(), 'v') > 0 ? 1U : 0U;
        EXPECT_FALSE(pinyin.starts_with("jv") || pinyin.starts_with("qv")
                     || pinyin.starts_with("xv"));
    }
    EXPECT_EQ(withV, 1U);
}

} // namespace
} // namespace tavenor
