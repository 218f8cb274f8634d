#pragma once

#include "cli/cli.h"

#include <string_view>

namespace tavenor {

// Writes a command's whole output and flushes it. Returns the exit code: 0, or 1 with a message
// on err when the output could not be written (a full disk, a closed pipe), so that a lost
// result is never reported as success.
int WriteCliOutput(std::string_view output, CliStreams streams);

} // namespace tavenor
