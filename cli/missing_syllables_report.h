#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavenor {

// How many pieces a report names; the rest it counts.
constexpr std::size_t kMissingSyllablesNamed = 5;

// Appends to report which pieces of one input line have no row, if any, each named once in order
// of first appearance: tavenor-cli: line N: no syllable for "xx", "yy" (the first few named, then
// how many more).
void ReportMissingSyllables(std::size_t lineNumber, const std::vector<std::string_view>& pieces,
                            std::string& report);

} // namespace tavenor
