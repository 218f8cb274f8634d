#include "codec/gb18030_codec.h"
#include "text/gb18030_map.h"

#include "tests/support/case_name.h"
#include "tests/support/first_difference.h"
#include "tests/support/review_marker.h"
#include "tests/support/split_gb18030_characters.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <gtest/gtest.h>

#include <algorithm>

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

// The program's built-in tables and loops against ICU's converter, over every character there is.

std::string icuEncode(const QString& text)
{
    const QByteArray bytes = QStringEncoder("GB18030").encode(text);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString icuDecode(std::string_view bytes)
{
    return QStringDecoder("GB18030").decode(
        QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string utf8Of(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

// A text's bytes for showing where it differs, UTF-8 for a QString.
std::string bytesOf(const QString& text) { return utf8Of(text); }
const std::string& bytesOf(const std::string& text) { return text; }

// Windows' Qt has no ICU to compare with; the Linux build compares, and the command line's
// results are compared across the two systems.
class Gb18030AgainstIcu : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QStringDecoder("GB18030").isValid())
            GTEST_SKIP() << "no ICU GB18030 converter on this system";
    }
};

#define EXPECT_SAME_TEXT(ours, icu)                                                                \
    EXPECT_TRUE((ours) == (icu)) << testing::FirstDifference(bytesOf(ours), bytesOf(icu))

std::string fourByteCode(std::size_t index)
{
    const std::uint32_t code = Gb18030Map::fourByteCode(index);
    return {static_cast<char>(code >> 24), static_cast<char>(code >> 16),
            static_cast<char>(code >> 8), static_cast<char>(code)};
}

// Every two-byte code, in order.
std::string twoByteCodes()
{
    std::string codes;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail != 0x7F)
                codes += {static_cast<char>(lead), static_cast<char>(trail)};
        }
    }
    return codes;
}

// Every four-byte code of the BMP, in order.
std::string fourByteBmpCodes()
{
    std::string codes;
    for (std::size_t index = 0; index < 39420; ++index)
        codes += fourByteCode(index);
    return codes;
}

// Every scalar value has a code that reads back as itself, and every code of the tables reads as
// a character whose code it is: one code for each character, on every system.
TEST(Gb18030Tables, MapEveryCharacterOnce)
{
    const Gb18030Map& map = Gb18030Map::instance();
    std::vector<char32_t> unread;
    for (char32_t codePoint = 0; codePoint <= 0x10FFFF; ++codePoint) {
        char code[4];
        const std::size_t length = map.encode(codePoint, code);
        const Gb18030Map::Decoded decoded = map.decode({code, length});
        if (!QChar::isSurrogate(codePoint)
            && (decoded.codePoint != codePoint || decoded.length != length))
            unread.push_back(codePoint);
    }
    EXPECT_EQ(unread, std::vector<char32_t>{});
    std::vector<std::string> unwritten;
    for (std::string_view codes : {twoByteCodes(), fourByteBmpCodes()}) {
        for (; !codes.empty(); codes.remove_prefix(map.decode(codes).length)) {
            const Gb18030Map::Decoded decoded = map.decode(codes);
            char code[4];
            const std::size_t length = map.encode(decoded.codePoint, code);
            if (std::string_view(code, length) != codes.substr(0, decoded.length))
                unwritten.emplace_back(codes.substr(0, decoded.length));
        }
    }
    EXPECT_EQ(unwritten, std::vector<std::string>{});
}

TEST_F(Gb18030AgainstIcu, EveryScalarValueEncodesTheSame)
{
    QString all;
    for (char32_t codePoint = 0; codePoint <= 0x10FFFF; ++codePoint) {
        if (!QChar::isSurrogate(codePoint))
            all.append(QString::fromUcs4(&codePoint, 1));
    }
    const std::string icu = icuEncode(all);
    EXPECT_SAME_TEXT(ToGb18030(all), icu);
    std::string fromUtf8 = "kept:";
    AppendUtf8AsGb18030(utf8Of(all), fromUtf8);
    EXPECT_SAME_TEXT(fromUtf8, "kept:" + icu);
}

// Well-formed texts, each decoded whole, and texts with sequences that are no character.
std::vector<std::string> decodingTexts()
{
    std::string ascii;
    for (unsigned b = 0; b < 0x80; ++b)
        ascii += static_cast<char>(b);
    std::string supplementary;
    for (std::size_t index = 189000; index < 189000 + 0x100000; ++index)
        supplementary += fourByteCode(index);
    return {ascii + twoByteCodes(),
            fourByteBmpCodes(),
            supplementary,
            "ni\x80hao",
            "\xFF",
            "\x81\x0D\x0A",
            "\xC4",
            "\xC4\xE3\x81\x30",
            "\x84\x31\xA5\x30",
            "\xE3\x32\x9A\x36",
            "\x81\x30\xFF\x30",
            "\xFE\x39\xFE\x39",
            "\xC4\x7F",
            "a\r\r\nb\r",
            "\x81\r\n\r",
            "\x81\x30\x81",
            "\x81\x30",
            "\x81\xFF\x41",
            "\x81\x7F",
            "\x80\x80\xFF\xFF"};
}

// ICU, given the text whole, keeps a sequence cut off at the end waiting for more and drops it;
// the program reads it as it reads one that a byte which cannot continue it follows.
QString icuDecodeWhole(const std::string& text)
{
    QString decoded = icuDecode(text + '\0');
    decoded.chop(1);
    return decoded;
}

// Texts of up to eight bytes drawn from the bytes where GB18030's structure changes, to find any
// sequence that the program reads otherwise than ICU.
std::vector<std::string> boundaryByteTexts()
{
    const unsigned char alphabet[]
        = {0x00, 0x0D, 0x0A, 0x2F, 0x30, 0x35, 0x39, 0x3A, 0x40, 0x7E, 0x7F, 0x80, 0x81,
           0x84, 0x85, 0x8F, 0x90, 0xA1, 0xA4, 0xA5, 0xC4, 0xE3, 0xFD, 0xFE, 0xFF};
    std::vector<std::string> texts;
    std::uint32_t state = 20240611;
    for (int n = 0; n < 200000; ++n) {
        std::string text;
        state = state * 1664525 + 1013904223;
        const unsigned length = 1 + (state >> 24) % 8;
        for (unsigned i = 0; i < length; ++i) {
            state = state * 1664525 + 1013904223;
            text += static_cast<char>(alphabet[(state >> 16) % std::size(alphabet)]);
        }
        texts.push_back(std::move(text));
    }
    return texts;
}

TEST_F(Gb18030AgainstIcu, EveryCodeDecodesTheSame)
{
    std::vector<std::string> texts = decodingTexts();
    const std::vector<std::string> boundaryTexts = boundaryByteTexts();
    texts.insert(texts.end(), boundaryTexts.begin(), boundaryTexts.end());
    for (const std::string& text : texts) {
        const QString icu = icuDecodeWhole(text);
        EXPECT_SAME_TEXT(FromGb18030(text), icu);
        // The core cuts texts at their characters: each decodes alone as within the whole.
        QString byCharacter;
        for (const std::string_view character : testing::SplitGb18030Characters(text))
            byCharacter += FromGb18030(character);
        EXPECT_SAME_TEXT(byCharacter, icu);
        std::string utf8 = "kept:";
        AppendGb18030AsUtf8(text, utf8);
        EXPECT_SAME_TEXT(utf8, "kept:" + utf8Of(icu));
        std::string printed = "kept:\r";
        AppendGb18030AsUtf8(text, printed, LineBreaks::AsLf);
        EXPECT_SAME_TEXT(printed, "kept:\r" + utf8Of(QString(icu).replace("\r\n", "\n")));
    }
}

} // namespace
} // namespace tavenor
