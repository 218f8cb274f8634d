#include "cli/standard_streams.h"

#include <csignal>

namespace tavenor {

void PrepareStandardStreams()
{
    // A reader that has seen enough (head -1) ends the command quietly, as it ends cat or grep:
    // by the default action of SIGPIPE, whatever the parent left it set to. Ignored, it would
    // turn into a write error and a message.
    std::signal(SIGPIPE, SIG_DFL);
}

} // namespace tavenor
