#pragma once

#include "table/syllable_table.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tavenor {

// Appends to report which pieces of one input line have no row, when its final text shows a "?":
// tavenor-cli: line N: no syllable for "xx", "yy" (at most five named, then how many more).
// Lines that converted fully cost one scan of their final text.
void ReportMissingSyllables(std::size_t lineNumber, std::string_view pinyinText,
                            std::string_view finalText, const SyllableTable& table,
                            std::string& report);

} // namespace tavenor
