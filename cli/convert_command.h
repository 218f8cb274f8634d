#pragma once

#include "cli/cli.h"

#include <QString>

namespace tavenor {

// tavenor-cli convert [--json] [--quiet] [FILE]: each input line is the pinyin box of a fresh
// window.
int RunConvertCommand(const QString& file, LineOutput output, CliStreams streams);

} // namespace tavenor
