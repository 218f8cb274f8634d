#include "table/syllable_table_text.h"

#include "tests/support/review_marker.h"
#include "tests/support/sha256.h"
#include "text/cut_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tavenor {
namespace {

using testing::kReviewMarker;

TEST(SyllableTableText, IsPinnedByteForByte)
{
    EXPECT_EQ(testing::Sha256Hex(SyllableTableText),
              "7f5a8e041c56d7664bc32cf8ba4853a85fab8c3dadc413d77cd7c178fada6b5f");
    EXPECT_EQ(SyllableTableText.size(), 14816U);
    EXPECT_EQ(SyllableTableText.data()[SyllableTableText.size()], '\0');
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
    ::testing::Values(RowCase{1, "a=a=a[a]"}, RowCase{2, "ai=a i=a[a i]" + kReviewMarker},
                      RowCase{154, "keng=ke n=ke[ ke N\\]" + kReviewMarker},
                      RowCase{185, "lu=ru=ru[4' M]"}, RowCase{187, "lv=ri yu=ri[4' i]+yu[jM]"},
                      RowCase{191, "lu=ru=ru[4' M]"}, RowCase{384, "zhan=cha n=cha[tSa ]+n[N\\]"},
                      RowCase{395, "zhua=ju wa=ju[dZ M]+wa[wa]"},
                      RowCase{409, "zuo=zu o=zu[dz M o]" + kReviewMarker}));

} // namespace
} // namespace tavenor
