#pragma once

#include "cli/cli.h"

#include <string>

namespace tavenor {

// A command's standard output. Results are appended to pending() and go out in blocks as they
// come, so that memory does not grow with the output; a command that asks questions on the way
// holds them all to the end instead. Nothing is written after a write has failed, nor when the
// command ends without finish().
class CliOutput {
public:
    enum class Timing { InBlocks, AtTheEnd };

    CliOutput(CliStreams streams, Timing timing);

    std::string& pending() noexcept { return m_pending; }

    // Writes what is pending once it fills a block.
    void sendFullBlock();

    bool failed() const noexcept { return m_failed; }

    // Writes the rest and flushes. Returns the exit code: 0, or 1 with a message on err when the
    // output could not be written (a full disk, a closed pipe), so that a lost result is never
    // reported as success.
    int finish();

private:
    void send();

    CliStreams m_streams;
    Timing m_timing;
    std::string m_pending;
    bool m_failed = false;
};

} // namespace tavenor
