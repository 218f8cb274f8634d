#pragma once

#include "cli/cli_output.h"
#include "cli/input_lines.h"

#include <algorithm>
#include <cstddef>
#include <exception>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace tavenor {

// A run of whole lines of the input: a unit of work that a thread converts on its own, since each
// line's result depends on that line alone.
struct LineChunk {
    std::string_view lines;
    // The number (from 1) of the chunk's first line.
    std::size_t firstLine;
};

// The input cut into chunks of whole lines, each about chunkBytes long or one line if longer,
// one chunk at a time as they are taken.
class LineChunks {
public:
    LineChunks(std::string_view input, std::size_t chunkBytes)
        : m_rest(input)
        , m_chunkBytes(chunkBytes)
    {
    }

    bool empty() const noexcept { return m_rest.empty(); }
    LineChunk take();

private:
    std::string_view m_rest;
    std::size_t m_chunkBytes;
    std::size_t m_nextLine = 1;
};

// How many input bytes a chunk holds: many lines for each thread started, and few enough that the
// results of a round of chunks, held until the round ends, stay small beside the input.
constexpr std::size_t kChunkBytes = 128 * 1024;

// Threads for a batch: the machine's cores, at most four; one where the count is unknown.
unsigned BatchThreads();

// Converts every line of input with workers made by makeWorker(), and sends the results to output
// in input order. A worker's convert(line, lineNumber, results, reports) appends one line's record
// and its report. Each thread converts a chunk of lines at a time with a worker of its own. With
// one thread, each chunk is one line, which goes out as it converts, so that a question asked on
// the way comes after the results before it. A failed output stops the conversion.
template <typename MakeWorker>
void ConvertLinesOnThreads(std::string_view input, unsigned threads, std::size_t chunkBytes,
                           CliOutput& output, MakeWorker makeWorker)
{
    using Worker = decltype(makeWorker());
    threads = std::max(threads, 1u);
    struct Lane {
        Worker worker;
        std::string results;
        std::string reports;
        std::exception_ptr failure;

        void convert(const LineChunk& chunk)
        {
            try {
                std::size_t lineNumber = chunk.firstLine;
                for (std::string_view rest = chunk.lines; !rest.empty();)
                    worker.convert(TakeInputLine(rest), lineNumber++, results, reports);
            } catch (...) {
                failure = std::current_exception();
            }
        }
    };
    std::vector<Lane> lanes;
    for (unsigned i = 0; i < threads; ++i)
        lanes.push_back(Lane{makeWorker(), {}, {}, {}});
    LineChunks chunks(input, threads == 1 ? 1 : chunkBytes);
    std::vector<LineChunk> round;
    while (!chunks.empty() && !output.failed()) {
        round.clear();
        while (round.size() < threads && !chunks.empty())
            round.push_back(chunks.take());
        const std::size_t count = round.size();
        {
            // The calling thread takes the first chunk of the round; the others join at the end
            // of the block.
            std::vector<std::jthread> helpers;
            for (std::size_t i = 1; i < count; ++i)
                helpers.emplace_back([&lanes, &round, i] { lanes[i].convert(round[i]); });
            lanes[0].convert(round[0]);
        }
        for (std::size_t i = 0; i < count; ++i) {
            Lane& lane = lanes[i];
            if (lane.failure)
                std::rethrow_exception(lane.failure);
            output.pendingReports() += lane.reports;
            output.pending() += lane.results;
            lane.reports.clear();
            lane.results.clear();
            output.sendWhatIsDue();
        }
    }
}

} // namespace tavenor
