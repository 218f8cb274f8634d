#pragma once

#include "score/fill_plan.h"

#include <string>

namespace tavenor {

// One report as a line of standard error, without the program's name or the line end; notes
// count from 1, as the host's selection shows them.
std::string FillReportLine(const FillReport& report);

} // namespace tavenor
