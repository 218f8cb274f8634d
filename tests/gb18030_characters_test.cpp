#include "tests/support/case_name.h"
#include "tests/support/split_gb18030_characters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavenor {
namespace {

struct SplitCase {
    const char* name;
    std::string text;
    std::vector<std::string> characters;
    friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }
};

class SplitGb18030Test : public ::testing::TestWithParam<SplitCase> { };

TEST_P(SplitGb18030Test, CutsAtCharacterBoundaries)
{
    const std::vector<std::string_view> characters
        = testing::SplitGb18030Characters(GetParam().text);
    EXPECT_EQ(std::vector<std::string>(characters.begin(), characters.end()),
              GetParam().characters);
}

// 你 = C4 E3, 乐 = C0 D6, 81 68 is a GBK character whose trailing byte is the letter h, and
// 95 32 82 36 is U+20000.
INSTANTIATE_TEST_SUITE_P(
    Texts, SplitGb18030Test,
    ::testing::Values(SplitCase{"Empty", "", {}}, SplitCase{"Ascii", "ni,", {"n", "i", ","}},
                      SplitCase{"TwoByte", "\xC4\xE3\xC0\xD6", {"\xC4\xE3", "\xC0\xD6"}},
                      SplitCase{"TrailByteLooksLikeALetter", "\x81hn", {"\x81h", "n"}},
                      SplitCase{"FourByte",
                                "a\x95\x32\x82\x36"
                                "b",
                                {"a", "\x95\x32\x82\x36", "b"}},
                      SplitCase{"LoneLeadAtEnd", "a\xC4", {"a", "\xC4"}},
                      SplitCase{"LeadBeforeControlByte", "\xC4\x0A", {"\xC4", "\x0A"}},
                      SplitCase{"BrokenFourByte", "\x95\x32\x82", {"\x95", "2", "\x82"}},
                      SplitCase{"StrayHighBytes", "\x80\xFF", {"\x80", "\xFF"}},
                      SplitCase{"LeadBeforeFf", "\x81\xFF\x81", {"\x81\xFF", "\x81"}}),
    testing::CaseName{});

} // namespace
} // namespace tavenor
