#pragma once

#include "romaji/romaji_texts.h"
#include "table/syllable_table.h"

#include <string_view>

namespace tavenor {

// The pure heart of the conversion: a pinyin-box text, cut at ",", gives the four texts, piece by
// piece, each piece looked up from the table's first row. Positions in the rewrite rules and the
// decomposition count GB18030 characters, so a Chinese character typed into the box is never cut
// in half. Empty pieces are dropped.
RomajiTexts ConvertPinyinText(std::string_view pinyinText, const SyllableTable& table);

} // namespace tavenor
