#pragma once

#include "boxes/box_access.h"
#include "pinyin/lu_question.h"
#include "pinyin/pinyin_provider.h"
#include "table/syllable_table.h"

namespace tavenor {

// Replaces the pinyin box with the list of the lyrics box, then converts it.
void FetchLyricsPinyin(BoxAccess& boxes, const PinyinProvider& provider, LuQuestion& question,
                       const SyllableTable& table);

} // namespace tavenor
