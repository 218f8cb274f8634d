#include "cli/line_chunks.h"

#include "tests/support/case_name.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tavenor {
namespace {

struct ChunkCase {
    const char* name;
    std::string input;
    std::size_t chunkBytes;
    std::vector<std::pair<std::string, std::size_t>> chunks;
    friend void PrintTo(const ChunkCase& c, std::ostream* os) { *os << c.name; }
};

class LineChunksTest : public ::testing::TestWithParam<ChunkCase> { };

TEST_P(LineChunksTest, HoldWholeLinesAndTheirFirstLineNumber)
{
    std::vector<std::pair<std::string, std::size_t>> chunks;
    for (LineChunks cutter(GetParam().input, GetParam().chunkBytes); !cutter.empty();) {
        const LineChunk chunk = cutter.take();
        chunks.emplace_back(chunk.lines, chunk.firstLine);
    }
    EXPECT_EQ(chunks, GetParam().chunks);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, LineChunksTest,
    ::testing::Values(
        ChunkCase{"Empty", "", 4, {}},
        ChunkCase{"OneLinePerChunk", "a\nbb\r\nc", 1, {{"a\n", 1}, {"bb\r\n", 2}, {"c", 3}}},
        ChunkCase{"LinesGatheredToTheSize", "a\nb\nc\nd\n", 4, {{"a\nb\n", 1}, {"c\nd\n", 3}}},
        ChunkCase{"ALongLineWhole", "abcdef\ng\n", 2, {{"abcdef\n", 1}, {"g\n", 2}}},
        ChunkCase{"EmptyLinesCount", "\n\n\nx", 2, {{"\n\n", 1}, {"\nx", 3}}}),
    testing::CaseName{});

// Records "number:line" and, for a line holding x, a report; the same for any count of threads
// and any chunk size, in input order.
struct EchoWorker {
    void convert(std::string_view line, std::size_t lineNumber, std::string& results,
                 std::string& reports)
    {
        results += std::to_string(lineNumber) + ":" + std::string(line) + "\n";
        if (line.find('x') != std::string_view::npos)
            reports += "x on " + std::to_string(lineNumber) + "\n";
    }
};

TEST(ConvertLinesOnThreads, SendsEveryLineInInputOrderWhateverTheThreads)
{
    std::string input;
    std::string expectedOut;
    std::string expectedErr;
    for (int i = 1; i <= 200; ++i) {
        const std::string line
            = std::string(static_cast<std::size_t>(i % 7), 'a') + (i % 5 == 0 ? "x" : "");
        input += line + (i % 3 == 0 ? "\r\n" : "\n");
        expectedOut += std::to_string(i) + ":" + line + "\n";
        if (i % 5 == 0)
            expectedErr += "x on " + std::to_string(i) + "\n";
    }
    for (const unsigned threads : {1u, 2u, 3u, 4u}) {
        for (const std::size_t chunkBytes : {1u, 5u, 64u, 100000u}) {
            std::istringstream in;
            std::ostringstream out;
            std::ostringstream err;
            CliOutput output({in, out, err}, CliOutput::Timing::InBlocks);
            ConvertLinesOnThreads(input, threads, chunkBytes, output, [] { return EchoWorker(); });
            EXPECT_EQ(output.finish(), 0);
            EXPECT_EQ(out.str(), expectedOut) << threads << " threads, chunks of " << chunkBytes;
            EXPECT_EQ(err.str(), expectedErr) << threads << " threads, chunks of " << chunkBytes;
        }
    }
}

} // namespace
} // namespace tavenor
