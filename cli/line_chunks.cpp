#include "cli/line_chunks.h"

namespace tavenor {

LineChunk LineChunks::take()
{
    const std::size_t lastNewline = m_rest.find('\n', std::min(m_chunkBytes, m_rest.size()) - 1);
    const std::size_t size = std::min(lastNewline, m_rest.size() - 1) + 1;
    const LineChunk chunk{m_rest.substr(0, size), m_nextLine};
    m_nextLine
        += static_cast<std::size_t>(std::count(chunk.lines.begin(), chunk.lines.end(), '\n'));
    m_rest.remove_prefix(size);
    return chunk;
}

unsigned BatchThreads() { return std::clamp(std::thread::hardware_concurrency(), 1u, 4u); }

} // namespace tavenor
