#include "codec/gb18030_codec.h"

#include "tests/support/case_name.h"
#include "tests/support/review_marker.h"

#include <gtest/gtest.h>

namespace tavenor {
namespace {

struct CodecCase {
    const char* name;
    QString text;
    std::string bytes;
    friend void PrintTo(const CodecCase& c, std::ostream* os) { *os << c.name; }
};

class Gb18030CodecTest : public ::testing::TestWithParam<CodecCase> { };

TEST_P(Gb18030CodecTest, EncodesAndDecodesBothWays)
{
    EXPECT_EQ(ToGb18030(GetParam().text), GetParam().bytes);
    EXPECT_EQ(FromGb18030(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Gb18030CodecTest,
    ::testing::Values(CodecCase{"Ascii", QStringLiteral("ni,hao,"), "ni,hao,"},
                      CodecCase{"Gbk", QStringLiteral("你好"), "\xC4\xE3\xBA\xC3"},
                      CodecCase{"ReviewMarker", QString::fromStdString(testing::kReviewMarkerUtf8),
                                testing::kReviewMarker},
                      CodecCase{"EmojiIsNotQuestionMark", QStringLiteral("😀"), "\x94\x39\xFC\x36"},
                      CodecCase{"ExtensionB", QStringLiteral("𠀀"), "\x95\x32\x82\x36"},
                      CodecCase{"Nul", QString(QChar(0)), std::string(1, '\0')},
                      CodecCase{"Empty", QString(), ""}),
    testing::CaseName{});

struct LoneSurrogateCase {
    const char* name;
    QString text;
    QString shown;
    friend void PrintTo(const LoneSurrogateCase& c, std::ostream* os) { *os << c.name; }
};

class LoneSurrogateTest : public ::testing::TestWithParam<LoneSurrogateCase> { };

TEST_P(LoneSurrogateTest, BecomesAReplacementCharacterNotAControlByteOrNothing)
{
    EXPECT_EQ(FromGb18030(ToGb18030(GetParam().text)), GetParam().shown);
}

const QChar kHigh(0xD83D);
const QChar kLow(0xDE00);
const QChar kReplacement(QChar::ReplacementCharacter);

INSTANTIATE_TEST_SUITE_P(
    Texts, LoneSurrogateTest,
    ::testing::Values(
        LoneSurrogateCase{"HighAtTheEnd", QStringLiteral("ab") + kHigh,
                          QStringLiteral("ab") + kReplacement},
        LoneSurrogateCase{"LowInside", QStringLiteral("a") + kLow + QStringLiteral("b"),
                          QStringLiteral("a") + kReplacement + QStringLiteral("b")},
        LoneSurrogateCase{"PairSwapped", QString(kLow) + kHigh,
                          QString(kReplacement) + kReplacement},
        LoneSurrogateCase{"HighThenPair", QString(kHigh) + kHigh + kLow,
                          QString(kReplacement) + kHigh + kLow},
        LoneSurrogateCase{"PairIsKept", QString(kHigh) + kLow, QString(kHigh) + kLow}),
    testing::CaseName{});

} // namespace
} // namespace tavenor
