#pragma once

#include "boxes/box_access.h"
#include "table/syllable_table.h"

namespace tavenor {

// Empties the final, decomposition and romaji boxes (in that order), converts the pinyin box and
// writes each box once with its whole text; the history box only grows.
void ConvertToRomaji(BoxAccess& boxes, const SyllableTable& table);

} // namespace tavenor
