#pragma once

#include "score/fill_plan.h"

#include <string>

namespace tavenor {

// A report as one English line without its line break, notes counted from 1 in the order given:
//   note 12: no syllable for "ying"
//   note 7: too short to split "jian"; it sings the first part only
//   note 40: 3 notes left without a character, from this one on
//   5 characters of the lyrics left over without a note: "春眠不觉晓"
// Quoted texts have quotes, backslashes and control characters escaped; a long run of
// characters left over is cut after the first few and counted.
std::string FillReportText(const FillReport& report);

} // namespace tavenor
