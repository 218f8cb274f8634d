#include "cli/cli_output.h"

#include <ostream>

namespace tavenor {

namespace {

// Results go out a block at a time, so that the writes are few and what waits to be written stays
// small beside the input.
constexpr std::size_t kBlockSize = 64 * 1024;

} // namespace

CliOutput::CliOutput(CliStreams streams, Timing timing)
    : m_streams(streams)
    , m_timing(timing)
{
    m_pending.reserve(kBlockSize * 2);
}

void CliOutput::sendWhatIsDue()
{
    if (m_timing == Timing::AtTheEnd)
        sendReports();
    else if (m_pending.size() >= kBlockSize)
        send();
}

void CliOutput::sendReports()
{
    m_streams.err << m_pendingReports;
    m_pendingReports.clear();
}

void CliOutput::send()
{
    sendReports();
    if (!m_failed
        && !m_streams.out.write(m_pending.data(), static_cast<std::streamsize>(m_pending.size())))
        m_failed = true;
    m_pending.clear();
}

int CliOutput::finish()
{
    send();
    if (!m_failed && m_streams.out.flush())
        return 0;
    m_streams.err << "tavenor-cli: cannot write the output\n";
    return 1;
}

} // namespace tavenor
