#pragma once

#include "pinyin/pinyin_provider.h"
#include "score/fill_notes.h"

#include <string>

namespace tavenor {

// The syllable of one Han character exactly as the window makes it: the provider's reading in
// its plain form (the reading itself when it has none, as UTF-8), "lu" settled as lu says (Auto:
// lv when the reading has u-umlaut, as the window's question offers first). Empty when the
// character has no reading.
std::string UnitSyllable(char32_t character, LuReading lu, const PinyinProvider& provider);

} // namespace tavenor
