#pragma once

#include "cli/cli.h"

#include <QStringList>

#include <sstream>
#include <string>
#include <utility>

namespace tavenor::testing {

struct CliResult {
    int exitCode;
    std::string out;
    std::string err;
};

// Runs the command line front end in-process on the given standard input (and terminal).
inline CliResult RunCliOn(QStringList arguments, const std::string& input,
                          TerminalOpener openTerminal = OpenControllingTerminal)
{
    arguments.prepend(QStringLiteral("tavenor-cli"));
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCli(arguments, {in, out, err, std::move(openTerminal)});
    return {code, out.str(), err.str()};
}

} // namespace tavenor::testing
