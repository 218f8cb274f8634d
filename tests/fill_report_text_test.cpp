#include "score/fill_report_text.h"

#include <gtest/gtest.h>

namespace tavenor {
namespace {

using Kind = FillReport::Kind;

TEST(FillReportText, OneEnglishLineEach)
{
    const struct {
        FillReport report;
        const char* line;
    } cases[] = {
        {{Kind::MissingSyllable, 11, 1, "ying"}, "note 12: no syllable for \"ying\""},
        {{Kind::MissingSyllable, 0, 1, "a\"\\\x1B"}, "note 1: no syllable for \"a\\\"\\\\\\x1B\""},
        {{Kind::TooShortToSplit, 6, 1, "jian"},
         "note 7: too short to split \"jian\"; it sings the first part only"},
        {{Kind::NotesWithoutCharacter, 39, 1, ""}, "note 40: 1 note left without a character"},
        {{Kind::NotesWithoutCharacter, 39, 3, ""},
         "note 40: 3 notes left without a character, from this one on"},
        {{Kind::CharactersLeftOver, 9, 1, "晓"},
         "1 character of the lyrics left over without a note: \"晓\""},
        {{Kind::CharactersLeftOver, 9, 5, "春眠不觉晓"},
         "5 characters of the lyrics left over without a note: \"春眠不觉晓\""},
        {{Kind::CharactersLeftOver, 9, 22, "春眠不觉晓处处闻啼鸟夜来风雨声花落知多少床前"},
         "22 characters of the lyrics left over without a note: "
         "\"春眠不觉晓处处闻啼鸟夜来风雨声花落知多少\" and 2 more"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FillReportText(c.report), c.line);
}

} // namespace
} // namespace tavenor
