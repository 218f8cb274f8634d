#pragma once

#include "romaji/romaji_texts.h"
#include "table/syllable_table.h"

#include <string>
#include <string_view>

namespace tavenor {

// The pure heart of the conversion: a pinyin-box text, cut at ",", gives the four texts. Positions
// in the rewrite rules and the decomposition count GB18030 characters, so a Chinese character typed
// into the box is never cut in half. Empty pieces are dropped.
RomajiTexts ConvertPinyinText(std::string_view pinyinText, const SyllableTable& table);

// The same into texts, replacing what they held; a batch that reuses them allocates little.
void ConvertPinyinText(std::string_view pinyinText, const SyllableTable& table, RomajiTexts& texts);

// What one piece adds to the romaji text and to the final text, from its row, or nullptr where no
// row matches: the romaji and " , ", the phonemes and a line break, or "?" for either. A batch can
// keep each row's entries ready in the form it prints.
void AppendRomajiEntry(const SyllableRecord* row, std::string& romaji);
void AppendFinalLine(const SyllableRecord* row, std::string& finalText);

} // namespace tavenor
