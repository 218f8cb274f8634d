#pragma once

#include "pinyin/lu_question.h"
#include "pinyin/pinyin_provider.h"

#include <string>
#include <string_view>

namespace tavenor {

// The pinyin list of the lyrics: one entry "syllable," per character, cut at GB18030 boundaries
// so that a half-width letter or blank cannot shift the pairing of the characters after it. A
// character with no reading gives the comma alone. Every entry "lu," asks the question, in text
// order, offering the provider's own reading first; any answer but Yes makes it "lv,".
std::string BuildPinyinList(std::string_view lyrics, const PinyinProvider& provider,
                            LuQuestion& question);

} // namespace tavenor
