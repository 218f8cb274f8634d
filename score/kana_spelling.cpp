#include "score/kana_spelling.h"

#include <algorithm>
#include <array>

namespace tavenor {
namespace {

// Every part of the built-in table: its 82 first parts and the later parts a, e, i, n, o, u, wa
// and yu. The table writes Mandarin sounds as Japanese would hear them; where Japanese has no
// kana for the sound (si, ti, tu, tsa, fe, she, ...), a kana and a small kana spell it, as
// loanwords do. hu [h M] and wu [w M] are ふ and う, the only kana of those rows before u; li
// [l i] is り, Japanese having one liquid. wo is を, which voicebanks record as [w o] (and
// typing "wo" gives).
// clang-format off
constexpr auto kSpellings = std::to_array<KanaSpelling>({
    {"a", "あ"}, {"cha", "ちゃ"}, {"che", "ちぇ"}, {"chi", "ち"}, {"cho", "ちょ"}, {"chu", "ちゅ"},
    {"e", "え"}, {"fa", "ふぁ"}, {"fe", "ふぇ"}, {"fo", "ふぉ"}, {"fu", "ふ"},
    {"ga", "が"}, {"ge", "げ"}, {"go", "ご"}, {"gu", "ぐ"},
    {"ha", "は"}, {"he", "へ"}, {"ho", "ほ"}, {"hu", "ふ"}, {"i", "い"},
    {"ja", "じゃ"}, {"je", "じぇ"}, {"ji", "じ"}, {"jo", "じょ"}, {"ju", "じゅ"},
    {"ka", "か"}, {"ke", "け"}, {"ko", "こ"}, {"ku", "く"}, {"li", "り"},
    {"ma", "ま"}, {"me", "め"}, {"mi", "み"}, {"mo", "も"}, {"mu", "む"}, {"n", "ん"},
    {"na", "な"}, {"ne", "ね"}, {"ni", "に"}, {"no", "の"}, {"nu", "ぬ"}, {"o", "お"},
    {"pa", "ぱ"}, {"pe", "ぺ"}, {"pi", "ぴ"}, {"po", "ぽ"}, {"pu", "ぷ"},
    {"ra", "ら"}, {"re", "れ"}, {"ri", "り"}, {"ro", "ろ"}, {"ru", "る"},
    {"sa", "さ"}, {"se", "せ"}, {"she", "しぇ"}, {"shi", "し"}, {"shu", "しゅ"}, {"si", "すぃ"},
    {"so", "そ"}, {"su", "す"},
    {"ta", "た"}, {"te", "て"}, {"ti", "てぃ"}, {"to", "と"},
    {"tsa", "つぁ"}, {"tse", "つぇ"}, {"tsi", "つぃ"}, {"tso", "つぉ"}, {"tsu", "つ"}, {"tu", "とぅ"},
    {"u", "う"}, {"wa", "わ"}, {"we", "うぇ"}, {"wo", "を"}, {"wu", "う"},
    {"ya", "や"}, {"ye", "いぇ"}, {"yo", "よ"}, {"yu", "ゆ"},
    {"za", "ざ"}, {"ze", "ぜ"}, {"zi", "ずぃ"}, {"zo", "ぞ"}, {"zu", "ず"},
});
// clang-format on

constexpr bool sortedByRomaji()
{
    for (std::size_t i = 1; i < kSpellings.size(); ++i) {
        if (!(kSpellings[i - 1].romaji < kSpellings[i].romaji))
            return false;
    }
    return true;
}
static_assert(sortedByRomaji(), "looked up by binary search");

} // namespace

std::string_view KanaForRomaji(std::string_view part) noexcept
{
    const auto* const found = std::lower_bound(
        kSpellings.begin(), kSpellings.end(), part,
        [](const KanaSpelling& spelling, std::string_view key) { return spelling.romaji < key; });
    return found != kSpellings.end() && found->romaji == part ? found->kana : std::string_view();
}

const KanaSpelling* KanaSpellingsBegin() noexcept { return kSpellings.data(); }
const KanaSpelling* KanaSpellingsEnd() noexcept { return kSpellings.data() + kSpellings.size(); }

} // namespace tavenor
