#pragma once

#include "romaji/romaji_texts.h"
#include "romaji/syllable_speller.h"
#include "table/syllable_record.h"

#include <string_view>

namespace tavenor {

// What one piece of a pinyin-box text adds to each of the four texts, appended to texts: its
// spelling to the decomposition and the history, its row's romaji and " , " to the romaji, and
// its row's phonemes and a line break to the final text; "?" stands for the romaji and the
// phonemes where row is nullptr. The row is the one the piece finds as typed: only the spelling
// normalizes the piece.
void AppendPieceParts(std::string_view piece, const SyllableRecord* row, SyllableSpeller& speller,
                      RomajiTexts& texts);

} // namespace tavenor
