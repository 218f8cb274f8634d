#include "cli/convert_command.h"

#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "cli/input_lines.h"
#include "cli/line_result.h"
#include "codec/gb18030_codec.h"

namespace tavenor {

int RunConvertCommand(const QString& file, LineOutput lineOutput, CliStreams streams)
{
    const std::optional<CliInput> input = CliInput::read(file, streams);
    if (!input)
        return 1;
    SyllableTable table;
    LoadSyllableTable(table);
    CliOutput output(streams, CliOutput::Timing::InBlocks);
    LineResultWriter results(output, lineOutput, LineSource::PinyinBox, table);
    // Reused from line to line, so that a long input costs few allocations.
    std::string pinyin;
    for (std::string_view rest = input->text(); !rest.empty() && !output.failed();) {
        pinyin.clear();
        AppendUtf8AsGb18030(TakeInputLine(rest), pinyin);
        results.write(pinyin);
    }
    return output.finish();
}

} // namespace tavenor
