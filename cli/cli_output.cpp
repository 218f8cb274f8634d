#include "cli/cli_output.h"

#include <ostream>

namespace tavenor {

int WriteCliOutput(std::string_view output, CliStreams streams)
{
    streams.out << output;
    if (streams.out.flush())
        return 0;
    streams.err << "tavenor-cli: cannot write the output\n";
    return 1;
}

} // namespace tavenor
