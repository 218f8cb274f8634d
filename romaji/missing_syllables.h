#pragma once

#include "table/syllable_table.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace tavenor {

// The pieces of a pinyin-box text that no row of the table matches, each named once.
struct MissingSyllables {
    std::vector<std::string_view> first; // in order of first appearance, at most the limit asked
    std::size_t count = 0; // all of them
};

// finalText is what the conversion of pinyinText gave.
MissingSyllables FindMissingSyllables(std::string_view pinyinText, std::string_view finalText,
                                      const SyllableTable& table, std::size_t limit);

// Whether a final text holds a "?" line, that is whether any piece had no row: a cheap test that
// spares lines that converted fully the search above.
bool ShowsMissingSyllable(std::string_view finalText);

} // namespace tavenor
