#include "cli/convert_command.h"

#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "cli/line_chunks.h"
#include "cli/line_result.h"
#include "codec/gb18030_codec.h"

namespace tavenor {
namespace {

// One thread's share: each line is a pinyin-box text.
class PinyinLineWorker {
public:
    PinyinLineWorker(LineOutput lineOutput, const SyllableTable& table)
        : m_results(lineOutput, LineSource::PinyinBox, table)
    {
    }

    void convert(std::string_view line, std::size_t lineNumber, std::string& results,
                 std::string& reports)
    {
        m_pinyin.clear();
        AppendUtf8AsGb18030(line, m_pinyin);
        m_results.append(m_pinyin, lineNumber, results, reports);
    }

private:
    LineResults m_results;
    // Reused from line to line, so that a long input costs few allocations.
    std::string m_pinyin;
};

} // namespace

int RunConvertCommand(const QString& file, LineOutput lineOutput, CliStreams streams)
{
    const std::optional<CliInput> input = CliInput::read(file, streams);
    if (!input)
        return 1;
    SyllableTable table;
    LoadSyllableTable(table);
    CliOutput output(streams, CliOutput::Timing::InBlocks);
    ConvertLinesOnThreads(input->text(), BatchThreads(), kChunkBytes, output,
                          [&] { return PinyinLineWorker(lineOutput, table); });
    return output.finish();
}

} // namespace tavenor
