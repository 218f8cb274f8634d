#pragma once

#include "boxes/box_access.h"
#include "pinyin/lu_question.h"
#include "pinyin/pinyin_provider.h"
#include "table/syllable_table.h"

#include <string>
#include <string_view>

namespace tavenor {

// The pinyin list of the lyrics: one entry "syllable," per character, cut at GB18030 boundaries
// so that a half-width letter or blank cannot shift the pairing of the characters after it. A
// character with no reading gives the comma alone. Every entry "lu," asks the question, with the
// reading the provider gives the character as the answer to offer first, in text order; any answer
// but Yes makes it "lv,".
std::string BuildPinyinList(std::string_view lyrics, const PinyinProvider& provider,
                            LuQuestion& question);

// The same into list, replacing what it held.
void BuildPinyinList(std::string_view lyrics, const PinyinProvider& provider, LuQuestion& question,
                     std::string& list);

// Replaces the pinyin box with the list of the lyrics box, then converts it.
void FetchLyricsPinyin(BoxAccess& boxes, const PinyinProvider& provider, LuQuestion& question,
                       const SyllableTable& table);

} // namespace tavenor
