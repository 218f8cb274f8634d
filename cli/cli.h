#pragma once

#include "cli/terminal.h"

#include <QStringList>

#include <iosfwd>

namespace tavenor {

enum class CliCommand { Lyrics, Convert, Fill };

// How the commands tell each input line's result: JSON Lines or text records on out, and the
// pieces that have no syllable on err unless quiet.
struct LineOutput {
    bool json = false;
    bool quiet = false;
};

struct CliStreams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    // Opened only when a question must be asked (lyrics --lu=ask); tests script their own.
    TerminalOpener openTerminal = OpenControllingTerminal;
};

// The whole command line front end; returns the exit code (0 done, 1 bad input, 2 bad usage).
// Nothing reaches out unless the whole input is valid UTF-8; the results then go out as the lines
// convert (all at the end while questions are asked on the terminal).
int RunCli(const QStringList& arguments, CliStreams streams);

} // namespace tavenor
