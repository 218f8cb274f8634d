#pragma once

#include "pinyin/pinyin_provider.h"

#include <string>
#include <string_view>

namespace tavenor {

// The plain pinyin of every character of text that the provider has a reading for, in text order.
// extraForm: each syllable gets a capital first letter ("Ni Hao"), for display.
// spaceAfterEach: each syllable is followed by one blank.
// A reading with no plain form is passed on as the provider gave it, with no blank after it.
std::string HanziToPinyin(const PinyinProvider& provider, std::string_view text, int extraForm = 1,
                          int spaceAfterEach = 1);

// The same appended to out, for a caller that gathers the pinyin of many texts.
void AppendHanziToPinyin(const PinyinProvider& provider, std::string_view text, int extraForm,
                         int spaceAfterEach, std::string& out);

} // namespace tavenor
