#include "text/utf8_validation.h"

#include "tests/support/case_name.h"

#include <gtest/gtest.h>

namespace tavenor {
namespace {

struct Utf8Case {
    const char* name;
    std::string text;
    std::optional<std::size_t> firstBad;
    friend void PrintTo(const Utf8Case& c, std::ostream* os) { *os << c.name; }
};

class FindInvalidUtf8Test : public ::testing::TestWithParam<Utf8Case> { };

TEST_P(FindInvalidUtf8Test, FindsTheFirstIllFormedByte)
{
    EXPECT_EQ(FindInvalidUtf8(GetParam().text), GetParam().firstBad);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, FindInvalidUtf8Test,
    ::testing::Values(
        Utf8Case{"Empty", "", std::nullopt},
        Utf8Case{"AsciiAndNul", std::string("a\0b", 3), std::nullopt},
        Utf8Case{"AllLengths", "\xC2\x80\xE4\xBD\xA0\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF",
                 std::nullopt},
        Utf8Case{"LoneContinuation", "ab\x80", 2}, Utf8Case{"OverlongTwo", "\xC1\xBF", 0},
        Utf8Case{"OverlongThree", "\xE0\x9F\xBF", 0},
        Utf8Case{"OverlongFour", "\xF0\x8F\xBF\xBF", 0}, Utf8Case{"Surrogate", "x\xED\xA0\x80", 1},
        Utf8Case{"PastMaximum", "\xF4\x90\x80\x80", 0}, Utf8Case{"LeadF5", "\xF5\x80\x80\x80", 0},
        Utf8Case{"TruncatedAtEnd", "ok\xE4\xBD", 2},
        Utf8Case{"BadThirdByte",
                 "\xE4\xBD"
                 "a",
                 0}),
    testing::CaseName{});

} // namespace
} // namespace tavenor
