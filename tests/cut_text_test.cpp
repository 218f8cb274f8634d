#include "text/cut_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavenor {
namespace {

struct CutCase {
    std::string text;
    std::vector<std::string> pieces;
    friend void PrintTo(const CutCase& c, std::ostream* os) { *os << c.text; }
};

class CutTextTest : public ::testing::TestWithParam<CutCase> { };

TEST_P(CutTextTest, GivesThePiecesBetweenSeparators)
{
    const auto& [text, expected] = GetParam();
    const std::vector<std::string_view> pieces = CutText(text, ",");
    EXPECT_EQ(std::vector<std::string>(pieces.begin(), pieces.end()), expected);
}

INSTANTIATE_TEST_SUITE_P(Pieces, CutTextTest,
                         ::testing::Values(CutCase{"", {}}, CutCase{",", {""}},
                                           CutCase{"ba", {"ba"}}, CutCase{"ba,", {"ba"}},
                                           CutCase{"ba,ni", {"ba", "ni"}},
                                           CutCase{"ba,ni,", {"ba", "ni"}},
                                           CutCase{",ba,,ni,,", {"", "ba", "", "ni", ""}}));

TEST(CutText, MultiByteSeparatorLeavesNoRemainderAfterTheLast)
{
    const std::vector<std::string_view> rows = CutText("a=b\r\nc=d\r\n", "\r\n");
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[1], "c=d");
}

} // namespace
} // namespace tavenor
