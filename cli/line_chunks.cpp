#include "cli/line_chunks.h"

namespace tavenor {

std::vector<LineChunk> CutIntoLineChunks(std::string_view input, std::size_t chunkBytes)
{
    std::vector<LineChunk> chunks;
    std::size_t firstLine = 1;
    while (!input.empty()) {
        const std::size_t lastNewline = input.find('\n', std::min(chunkBytes, input.size()) - 1);
        const std::size_t size = std::min(lastNewline, input.size() - 1) + 1;
        const std::string_view lines = input.substr(0, size);
        chunks.push_back({lines, firstLine});
        firstLine += static_cast<std::size_t>(std::count(lines.begin(), lines.end(), '\n'));
        input.remove_prefix(size);
    }
    return chunks;
}

unsigned BatchThreads() { return std::clamp(std::thread::hardware_concurrency(), 1u, 4u); }

} // namespace tavenor
