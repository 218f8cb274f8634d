#include "codec/gb18030_codec.h"
#include "pinyin/to_plain_pinyin.h"
#include "pinyin/unihan_readings.h"

#include "encoded_ideographs.h"
#include "tests/support/case_name.h"

#include <QList>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavenor {
namespace {

using testing::EncodedCharacter;
using testing::EncodeIdeographCodePoints;

bool isLowercaseAscii(std::string_view text)
{
    for (const char c : text) {
        if (c < 'a' || c > 'z')
            return false;
    }
    return !text.empty();
}

// Every key must be the bytes the program's codec produces for its ideograph, or the lookup
// would miss characters the user typed: so each entry must be found by encoding an ideograph.
// (generate_readings.py --verify-lookup checks that it is the intended one.)
TEST(UnihanReadings, EveryEntryIsFoundThroughTheProgramsCodec)
{
    const std::vector<EncodedCharacter> encoded = EncodeIdeographCodePoints();
    ASSERT_FALSE(encoded.empty());
    std::size_t found = 0;
    std::size_t fourByte = 0;
    for (const EncodedCharacter& e : encoded) {
        if (FindUnihanReading(e.bytes).empty())
            continue;
        ++found;
        if (e.bytes.size() == 4)
            ++fourByte;
    }
    EXPECT_EQ(found, UnihanReadingCount());
    // Extension A and B are four-byte characters in GB18030.
    EXPECT_GT(fourByte, 20000U);
}

// Readings are shown to the user through the same codec: each must decode to Latin letters with
// tone marks and encode back to the same bytes.
TEST(UnihanReadings, ReadingsRoundTripThroughTheProgramsCodec)
{
    const std::vector<EncodedCharacter> encoded = EncodeIdeographCodePoints();
    ASSERT_FALSE(encoded.empty());
    for (const EncodedCharacter& e : encoded) {
        const std::string_view reading = FindUnihanReading(e.bytes);
        if (reading.empty())
            continue;
        const QString text = FromGb18030(reading);
        bool latin = !text.isEmpty();
        for (const QChar c : text)
            latin = latin && c.isLower() && c.script() == QChar::Script_Latin;
        EXPECT_TRUE(latin) << std::hex << static_cast<unsigned>(e.codePoint);
        EXPECT_EQ(ToGb18030(text), reading) << std::hex << static_cast<unsigned>(e.codePoint);
    }
}

// GBK's ideographs: the CJK Unified Ideographs up to U+9FA5, 21 in the compatibility block, and 〇.
bool isGbkIdeograph(char32_t c)
{
    return c == 0x3007 || (c >= 0x4E00 && c <= 0x9FA5) || (c >= 0xF900 && c <= 0xFAFF);
}

TEST(UnihanReadings, AllButTwentyTwoGbkIdeographsHaveAPlainReading)
{
    std::string allTwoByte;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail != 0x7F)
                allTwoByte += {static_cast<char>(lead), static_cast<char>(trail)};
        }
    }
    const QList<uint> codePoints = FromGb18030(allTwoByte).toUcs4();
    ASSERT_EQ(static_cast<std::size_t>(codePoints.size()), allTwoByte.size() / 2);

    std::size_t ideographs = 0;
    std::u32string withoutReading;
    for (qsizetype i = 0; i < codePoints.size(); ++i) {
        const auto c = static_cast<char32_t>(codePoints[i]);
        if (!isGbkIdeograph(c))
            continue;
        ++ideographs;
        const std::string_view reading = FindUnihanReading(
            std::string_view(allTwoByte).substr(static_cast<std::size_t>(i) * 2, 2));
        if (reading.empty())
            withoutReading += c;
        else
            EXPECT_TRUE(isLowercaseAscii(ToPlainPinyin(reading)))
                << std::hex << static_cast<unsigned>(c);
    }
    EXPECT_EQ(ideographs, 20924U);
    // Rare characters that Unihan gives no Mandarin reading, and the compatibility block's
    // unified ideographs, which have none either.
    EXPECT_EQ(
        QString::fromUcs4(withoutReading.data(), static_cast<qsizetype>(withoutReading.size())),
        QStringLiteral("兙兡嗧桛烪瓧瓰瓱瓼甅﨎﨏﨑﨓﨔﨟﨡﨣﨤﨧﨨﨩"));
}

struct ReadingCase {
    const char* name;
    QString character;
    QString reading;
    friend void PrintTo(const ReadingCase& c, std::ostream* os) { *os << c.name; }
};

class UnihanReadingOf : public ::testing::TestWithParam<ReadingCase> { };

TEST_P(UnihanReadingOf, Character)
{
    EXPECT_EQ(FromGb18030(FindUnihanReading(ToGb18030(GetParam().character))), GetParam().reading);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, UnihanReadingOf,
    ::testing::Values(
        ReadingCase{"Common", QStringLiteral("你"), QStringLiteral("nǐ")},
        ReadingCase{"Lu", QStringLiteral("鲁"), QStringLiteral("lǔ")},
        ReadingCase{"Lv", QStringLiteral("绿"), QStringLiteral("lǜ")},
        ReadingCase{"FirstOfTwoValuesIsTheSimplifiedOne", QStringLiteral("万"),
                    QStringLiteral("wàn")},
        ReadingCase{"CorrectedZhu", QStringLiteral("著"), QStringLiteral("zhù")},
        ReadingCase{"CorrectedShui", QStringLiteral("谁"), QStringLiteral("shuí")},
        ReadingCase{"Zero", QStringLiteral("〇"), QStringLiteral("líng")},
        ReadingCase{"CompatibilityTakesItsEquivalent", QString(QChar(0xF92C)),
                    QStringLiteral("láng")},
        ReadingCase{"SupplementaryCompatibility", QString::fromUcs4(U"\U0002F835", 1),
                    QStringLiteral("huī")},
        ReadingCase{"ExtensionAFourBytes", QStringLiteral("㐀"), QStringLiteral("qiū")},
        ReadingCase{"ExtensionATwoBytes", QStringLiteral("㑳"), QStringLiteral("zhòu")},
        ReadingCase{"ExtensionB", QString::fromUcs4(U"\U00020000", 1), QStringLiteral("hē")},
        ReadingCase{"SyllabicM", QStringLiteral("呣"), QStringLiteral("ḿ")},
        ReadingCase{"FullWidthComma", QStringLiteral("，"), QString()},
        ReadingCase{"Kana", QStringLiteral("あ"), QString()},
        ReadingCase{"IterationMark", QStringLiteral("々"), QString()},
        ReadingCase{"IdeographicSpace", QStringLiteral("　"), QString()},
        ReadingCase{"NoReadingInUnihan", QStringLiteral("兙"), QString()}),
    testing::CaseName{});

} // namespace
} // namespace tavenor
