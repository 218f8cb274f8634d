#pragma once

#include "cli/cli.h"

#include <QStringList>

#include <sstream>
#include <string>

namespace tavenor::testing {

struct CliResult {
    int exitCode;
    std::string out;
    std::string err;
};

// Runs the command line front end in-process on the given standard input.
inline CliResult RunCliOn(QStringList arguments, const std::string& input)
{
    arguments.prepend(QStringLiteral("tavenor-cli"));
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCli(arguments, {in, out, err});
    return {code, out.str(), err.str()};
}

} // namespace tavenor::testing
