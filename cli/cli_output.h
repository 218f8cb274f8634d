#pragma once

#include "cli/cli.h"

#include <string>

namespace tavenor {

// A command's standard output. Results are appended to pending() and go out in blocks as they
// come, so that memory does not grow with the output; a command that asks questions on the way
// holds them all to the end instead. Reports for standard error wait in pendingReports() and go
// out just before the block of their lines, one write a block rather than one a line, or at once
// while questions are asked. Nothing is written to out after a write has failed, nor when the
// command ends without finish().
class CliOutput {
public:
    enum class Timing { InBlocks, AtTheEnd };

    CliOutput(CliStreams streams, Timing timing);

    std::string& pending() noexcept { return m_pending; }
    std::string& pendingReports() noexcept { return m_pendingReports; }

    // After each record: writes what is pending once it fills a block.
    void sendWhatIsDue();

    bool failed() const noexcept { return m_failed; }

    // Writes the rest and flushes. Returns the exit code: 0, or 1 with a message on err when the
    // output could not be written (a full disk, a closed pipe), so that a lost result is never
    // reported as success.
    int finish();

private:
    void send();
    void sendReports();

    CliStreams m_streams;
    Timing m_timing;
    std::string m_pending;
    std::string m_pendingReports;
    bool m_failed = false;
};

} // namespace tavenor
