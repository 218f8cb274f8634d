#pragma once

#include "cli/cli.h"

#include <optional>
#include <string_view>

namespace tavenor {

// What --help prints: the program's page without a command, else that command's own page.
std::string_view HelpText(std::optional<CliCommand> command);

} // namespace tavenor
