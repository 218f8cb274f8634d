#pragma once

#include "cli/cli.h"

#include <QString>

#include <optional>
#include <string>

namespace tavenor {

// The input of one command: FILE, or standard input for "" or "-", read whole and checked to be
// UTF-8, without a leading byte order mark. On failure the reason has been written to err.
std::optional<std::string> ReadCliInput(const QString& file, CliStreams streams);

} // namespace tavenor
