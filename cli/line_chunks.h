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

// The input cut into chunks of whole lines, each about chunkBytes long or one line if longer.
std::vector<LineChunk> CutIntoLineChunks(std::string_view input, std::size_t chunkBytes);

// How many input bytes a chunk holds: big enough that starting a thread costs nothing beside it,
// small enough that the results of all threads' chunks stay a few megabytes.
constexpr std::size_t kChunkBytes = 128 * 1024;

// Threads for a batch: the machine's cores, at most four; one where the count is unknown.
unsigned BatchThreads();

// Converts every line of input with workers made by makeWorker(), and sends the results to output
// in input order. A worker's convert(line, lineNumber, results, reports) appends one line's record
// and its report. With one thread, each line goes out as it converts, so that a question asked on
// the way comes after the results before it; with more, each thread converts a chunk of lines at a
// time with a worker of its own. A failed output stops the conversion.
template <typename MakeWorker>
void ConvertLinesOnThreads(std::string_view input, unsigned threads, std::size_t chunkBytes,
                           CliOutput& output, MakeWorker makeWorker)
{
    using Worker = decltype(makeWorker());
    if (threads <= 1) {
        Worker worker = makeWorker();
        std::size_t lineNumber = 0;
        for (std::string_view rest = input; !rest.empty() && !output.failed();) {
            worker.convert(TakeInputLine(rest), ++lineNumber, output.pending(),
                           output.pendingReports());
            output.sendWhatIsDue();
        }
        return;
    }
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
    const std::vector<LineChunk> chunks = CutIntoLineChunks(input, chunkBytes);
    for (std::size_t first = 0; first < chunks.size() && !output.failed(); first += threads) {
        const std::size_t count = std::min<std::size_t>(threads, chunks.size() - first);
        {
            // The calling thread takes the first chunk of the round; the others join at the end
            // of the block.
            std::vector<std::jthread> helpers;
            for (std::size_t i = 1; i < count; ++i)
                helpers.emplace_back(
                    [&lanes, &chunks, first, i] { lanes[i].convert(chunks[first + i]); });
            lanes[0].convert(chunks[first]);
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
