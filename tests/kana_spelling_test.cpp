#include "score/kana_spelling.h"

#include "score/romaji_parts.h"
#include "tests/support/built_in_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace tavenor {
namespace {

using Sound = std::vector<std::string>; // X-SAMPA symbols, as the table's phonemes write them

// The X-SAMPA symbols that the table's phonemes use, longest first, so that a symbol written
// without a blank before the next ("jM", "wa", "tSa") still reads as two.
const std::vector<std::string> kSymbols
    = {"tS", "ts", "dZ", "dz", "p\\", "N\\", "4'", "a", "i", "M", "e", "o", "p",
       "t",  "k",  "g",  "s",  "S",   "h",   "m",  "J", "l", "w", "j", "y"};

// The symbols of a row's phonemes field: what its bracketed groups hold, in order
// ("chi[tS i]+a[a N\]" is tS i a N\); the review marker after them is no sound. The table writes
// the palatal glide both as y (ya[y a]) and as j (yu[jM]): both read as j.
Sound soundOfPhonemes(std::string_view phonemes)
{
    Sound sound;
    bool inGroup = false;
    while (!phonemes.empty()) {
        if (phonemes.front() == '[' || phonemes.front() == ']') {
            inGroup = phonemes.front() == '[';
            phonemes.remove_prefix(1);
            continue;
        }
        if (!inGroup || phonemes.front() == ' ') {
            phonemes.remove_prefix(1);
            continue;
        }
        bool matched = false;
        for (const std::string& symbol : kSymbols) {
            if (phonemes.starts_with(symbol)) {
                sound.push_back(symbol == "y" ? "j" : symbol);
                phonemes.remove_prefix(symbol.size());
                matched = true;
                break;
            }
        }
        if (!matched) {
            ADD_FAILURE() << "no symbol at \"" << phonemes << '"';
            return sound;
        }
    }
    return sound;
}

// The kana of Japanese by the sounds they spell, in the table's symbols: each consonant's row
// over the vowels a, i, M (u), e, o, and the extended spellings (a kana and a small vowel) for
// sounds Japanese lacks. Where the table has a sound that Japanese writes with the kana of
// another (hu [h M] and wu [w M]; li [l i], Japanese having one liquid), that kana is the row's;
// を is the w row's o, as voicebanks record it.
// clang-format off
const std::map<std::string, std::vector<std::string>> kKanaRows = {
    // consonant   a       i       M       e       o
    {"",      {"あ", "い", "う", "え", "お"}},
    {"k",     {"か", "き", "く", "け", "こ"}},
    {"g",     {"が", "ぎ", "ぐ", "げ", "ご"}},
    {"s",     {"さ", "すぃ", "す", "せ", "そ"}},
    {"S",     {"しゃ", "し", "しゅ", "しぇ", "しょ"}},
    {"ts",    {"つぁ", "つぃ", "つ", "つぇ", "つぉ"}},
    {"tS",    {"ちゃ", "ち", "ちゅ", "ちぇ", "ちょ"}},
    {"dz",    {"ざ", "ずぃ", "ず", "ぜ", "ぞ"}},
    {"dZ",    {"じゃ", "じ", "じゅ", "じぇ", "じょ"}},
    {"t",     {"た", "てぃ", "とぅ", "て", "と"}},
    {"N\\",   {"な", "", "ぬ", "ね", "の"}},
    {"J",     {"にゃ", "に", "にゅ", "にぇ", "にょ"}},
    {"h",     {"は", "", "ふ", "へ", "ほ"}},
    {"p\\",   {"ふぁ", "ふぃ", "ふ", "ふぇ", "ふぉ"}},
    {"p",     {"ぱ", "ぴ", "ぷ", "ぺ", "ぽ"}},
    {"m",     {"ま", "み", "む", "め", "も"}},
    {"4'",    {"ら", "り", "る", "れ", "ろ"}},
    {"l",     {"", "り", "", "", ""}},
    {"w",     {"わ", "うぃ", "う", "うぇ", "を"}},
    {"j",     {"や", "", "ゆ", "いぇ", "よ"}},
};
// clang-format on
const std::vector<std::string> kVowels = {"a", "i", "M", "e", "o"};

// Every sound that a kana spelling may stand for: a cell of the rows, or the syllable-final
// nasal ん [N\].
const std::multimap<std::string, Sound>& soundsOfKana()
{
    static const std::multimap<std::string, Sound> sounds = [] {
        std::multimap<std::string, Sound> made{{"ん", {"N\\"}}};
        for (const auto& [consonant, row] : kKanaRows) {
            for (std::size_t v = 0; v < kVowels.size(); ++v) {
                if (row[v].empty())
                    continue;
                Sound sound;
                if (!consonant.empty())
                    sound.push_back(consonant);
                sound.push_back(kVowels[v]);
                made.emplace(row[v], sound);
            }
        }
        return made;
    }();
    return sounds;
}

// Whether the kana of parts[from...] can be heard as exactly sound[at...].
bool spellsSound(const std::vector<std::string_view>& kana, std::size_t from, const Sound& sound,
                 std::size_t at)
{
    if (from == kana.size())
        return at == sound.size();
    const auto [first, last] = soundsOfKana().equal_range(std::string(kana[from]));
    for (auto it = first; it != last; ++it) {
        const Sound& part = it->second;
        if (sound.size() - at >= part.size()
            && std::equal(part.begin(), part.end(), sound.begin() + static_cast<long>(at))
            && spellsSound(kana, from + 1, sound, at + part.size()))
            return true;
    }
    return false;
}

TEST(KanaSpelling, EveryPartOfTheTableHasOne)
{
    std::set<std::string_view> parts;
    for (const SyllableRecord& row : testing::BuiltInTable()) {
        for (const std::string_view part : RomajiParts(row.romaji)) {
            parts.insert(part);
            EXPECT_FALSE(KanaForRomaji(part).empty()) << row.pinyin << ": " << part;
        }
    }
    // The table's 82 first parts and its later parts not among them, n and u; no spelling of a
    // part the table never uses.
    EXPECT_EQ(parts.size(), 84u);
    EXPECT_EQ(static_cast<std::size_t>(KanaSpellingsEnd() - KanaSpellingsBegin()), parts.size());
    for (const KanaSpelling* s = KanaSpellingsBegin(); s != KanaSpellingsEnd(); ++s)
        EXPECT_TRUE(parts.contains(s->romaji)) << s->romaji;
}

// Each row's parts, spelled in kana, sound as the row's phonemes: one cell of the kana rows a
// part, in order, making up exactly the symbols of its phonemes.
TEST(KanaSpelling, EachRowsKanaSoundAsItsPhonemes)
{
    for (const SyllableRecord& row : testing::BuiltInTable()) {
        std::vector<std::string_view> kana;
        std::string shown;
        for (const std::string_view part : RomajiParts(row.romaji)) {
            kana.push_back(KanaForRomaji(part));
            shown += std::string(kana.back()) + ' ';
        }
        const Sound sound = soundOfPhonemes(row.phonemes);
        std::string symbols;
        for (const std::string& symbol : sound)
            symbols += symbol + ' ';
        EXPECT_TRUE(spellsSound(kana, 0, sound, 0))
            << row.pinyin << " (" << row.romaji << "): " << shown << "is not [" << symbols << ']';
    }
}

// Each spelling is kana of the hiragana block, one character or a kana and a small one.
TEST(KanaSpelling, SpellingsAreHiragana)
{
    for (const KanaSpelling* s = KanaSpellingsBegin(); s != KanaSpellingsEnd(); ++s) {
        EXPECT_TRUE(s->kana.size() == 3 || s->kana.size() == 6) << s->romaji;
        for (std::size_t i = 0; i + 2 < s->kana.size(); i += 3) {
            const auto b
                = [&](std::size_t k) { return static_cast<unsigned char>(s->kana[i + k]); };
            const char32_t c = (b(0) & 0x0Fu) << 12 | (b(1) & 0x3Fu) << 6 | (b(2) & 0x3Fu);
            EXPECT_TRUE(c >= 0x3041 && c <= 0x3096) << s->romaji;
        }
    }
}

TEST(KanaSpelling, UnknownPartsHaveNone)
{
    for (const char* part : {"", "x", "nyi", "A", "ha o", "chii"})
        EXPECT_EQ(KanaForRomaji(part), "") << part;
    EXPECT_EQ(KanaForRomaji("tsa"), "つぁ");
    EXPECT_EQ(KanaForRomaji("fe"), "ふぇ");
}

} // namespace
} // namespace tavenor
