#pragma once

#include <string>
#include <string_view>

namespace tavenor {

// The plain form of one reading (GB18030): lowercase ASCII letters only. Tone-marked vowels lose
// their marks, u-umlaut in any form becomes "u", e-circumflex "e", and the syllabic m and n
// their bare letters; digits, blanks and everything else are dropped. Empty when the reading
// has no letter.
std::string ToPlainPinyin(std::string_view reading);

// The same appended to out, for a caller that gathers many.
void AppendPlainPinyin(std::string_view reading, std::string& out);

// Whether the reading holds u-umlaut in any form, which its plain form no longer shows: tells
// the lu of 鲁 from the lü of 绿.
bool HasUmlautU(std::string_view reading);

} // namespace tavenor
