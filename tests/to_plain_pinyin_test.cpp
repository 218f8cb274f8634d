#include "pinyin/to_plain_pinyin.h"

#include "tests/support/case_name.h"

#include <gtest/gtest.h>

namespace tavenor {
namespace {

struct PlainCase {
    const char* name;
    std::string reading;
    std::string plain;
    friend void PrintTo(const PlainCase& c, std::ostream* os) { *os << c.name; }
};

class ToPlainPinyinTest : public ::testing::TestWithParam<PlainCase> { };

TEST_P(ToPlainPinyinTest, KeepsOnlyLowercaseLetters)
{
    EXPECT_EQ(ToPlainPinyin(GetParam().reading), GetParam().plain);
}

// Readings are GB18030 bytes: A8 A1 is a with macron, A8 B8 u with diaeresis and grave, and so on.
INSTANTIATE_TEST_SUITE_P(
    Readings, ToPlainPinyinTest,
    ::testing::Values(
        PlainCase{"AlreadyPlain", "hao", "hao"},
        PlainCase{"FourTonesOfA", "m\xA8\xA1-m\xA8\xA2-m\xA8\xA3-m\xA8\xA4", "mamamama"},
        PlainCase{"ToneOnE", "xi\xA8\xA6", "xie"}, PlainCase{"ToneOnI", "n\xA8\xAB", "ni"},
        PlainCase{"ToneOnO", "w\xA8\xAE", "wo"}, PlainCase{"ToneOnU", "l\xA8\xB3", "lu"},
        PlainCase{"UmlautWithTone", "l\xA8\xB8", "lu"}, PlainCase{"UmlautAlone", "n\xA8\xB9", "nu"},
        PlainCase{"ECircumflex", "\xA8\xBA", "e"}, PlainCase{"SyllabicM2005", "\xA8\xBC", "m"},
        PlainCase{"SyllabicM2000", "\x81\x35\xF4\x37", "m"},
        PlainCase{"SyllabicN", "\xA8\xBD\xA8\xBE\xA8\xBF", "nnn"},
        PlainCase{"CapitalsAndCapitalMarks", "Zh\x81\x30\x8D\x35ng", "zheng"},
        PlainCase{"CapitalUmlaut", "L\x81\x30\xA0\x32", "lu"},
        PlainCase{"ToneDigitsAndBlanksDropped", "ni3 hao3", "nihao"},
        PlainCase{"NoLetterAtAll", "\xA3\xBF 123", ""},
        PlainCase{"ChineseCharacterIsNotALetter", "\xC4\xE3", ""},
        PlainCase{"TrailingByteThatLooksLikeALetter", "\x81h", ""},
        // A8 leads the marked vowels, but also other characters, and may stand alone at the end.
        PlainCase{"OtherCharactersLedByA8",
                  "\xA8\xC0"
                  "a\xA8\x30\x81\x30x",
                  "ax"},
        PlainCase{"LoneA8AtTheEnd", "ni\xA8", "ni"}, PlainCase{"Empty", "", ""}),
    testing::CaseName{});

TEST(HasUmlautU, FindsUmlautInEveryFormOnly)
{
    const std::pair<std::string, bool> cases[] = {
        {"l\xA8\xB8", true}, // lü with grave, as the data spells 绿
        {"n\xA8\xB9", true}, // ü without tone
        {"L\x81\x30\xA0\x32", true}, // capital Ü with grave (four bytes)
        {"l\xA8\xB3", false}, // lu with caron, as the data spells 鲁
        {"lv", false}, // an ASCII v is already plain
        {"\x81h", false}, // a stray trailing byte is no letter
        {"", false},
    };
    for (const auto& [reading, umlaut] : cases)
        EXPECT_EQ(HasUmlautU(reading), umlaut) << ToPlainPinyin(reading);
}

} // namespace
} // namespace tavenor
