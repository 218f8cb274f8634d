#include "codec/gb18030_codec.h"
#include "codec/utf8_text.h"

#include "tests/support/case_name.h"

#include <gtest/gtest.h>

#include <string>

namespace tavenor {
namespace {

struct RoundTripCase {
    const char* name;
    std::string utf8;
    qsizetype characters;
    friend void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }
};

class Utf8RoundTripTest : public ::testing::TestWithParam<RoundTripCase> { };

TEST_P(Utf8RoundTripTest, ThroughGb18030ChangesNothing)
{
    const QString text = FromUtf8(GetParam().utf8);
    EXPECT_EQ(text.size(), GetParam().characters);
    const QByteArray back = FromGb18030(ToGb18030(text)).toUtf8();
    EXPECT_EQ(std::string(back.constData(), static_cast<std::size_t>(back.size())),
              GetParam().utf8);
}

// U+FEFF at the start is what QString::fromUtf8 silently drops.
INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8RoundTripTest,
    ::testing::Values(RoundTripCase{"LeadingZeroWidthNoBreakSpace", "\xEF\xBB\xBFni,", 4},
                      RoundTripCase{"TwoLeadingMarks", "\xEF\xBB\xBF\xEF\xBB\xBF", 2},
                      RoundTripCase{"MarkInside", "ni\xEF\xBB\xBF,", 4},
                      RoundTripCase{"NulAndControls", std::string("a\0\x01\x7F", 4), 4},
                      RoundTripCase{"ChineseAndEmoji", "\xE4\xBD\xA0\xF0\x9F\x98\x80", 3},
                      RoundTripCase{"LastCodePoint", "\xF4\x8F\xBF\xBF", 2},
                      RoundTripCase{"Empty", "", 0}),
    testing::CaseName{});

} // namespace
} // namespace tavenor
