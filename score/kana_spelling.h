#pragma once

#include <cstddef>
#include <string_view>

namespace tavenor {

// One romaji part of the syllable table ("ha", "chi", "tsa", "n") and its spelling in hiragana
// (UTF-8), as Japanese voicebanks alias their samples.
struct KanaSpelling {
    std::string_view romaji;
    std::string_view kana;
};

// The hiragana of one romaji part, or empty when the part has none. Every part that the built-in
// syllable table uses has one: standard kana where Japanese has the sound, the usual extended
// spellings (a kana and a small vowel: tsa つぁ, fe ふぇ, ti てぃ) where it does not.
std::string_view KanaForRomaji(std::string_view part) noexcept;

// The whole spelling table, in the order of its romaji, for tests and previews.
const KanaSpelling* KanaSpellingsBegin() noexcept;
const KanaSpelling* KanaSpellingsEnd() noexcept;

} // namespace tavenor
