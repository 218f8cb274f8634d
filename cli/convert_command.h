#pragma once

#include "cli/cli.h"

#include <QString>

namespace tavenor {

// tavenor-cli convert [--json] [FILE]
int RunConvertCommand(const QString& file, bool json, CliStreams streams);

} // namespace tavenor
