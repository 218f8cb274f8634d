#pragma once

#include "romaji/missing_syllables.h"

#include <cstddef>
#include <string>

namespace tavenor {

// How many pieces a report names; the rest it counts.
constexpr std::size_t kMissingSyllablesNamed = 5;

// Appends to report which pieces of one input line have no row, if any:
// tavenor-cli: line N: no syllable for "xx", "yy" (the first few named, then how many more).
void ReportMissingSyllables(std::size_t lineNumber, const MissingSyllables& missing,
                            std::string& report);

} // namespace tavenor
