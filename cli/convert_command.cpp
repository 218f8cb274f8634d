#include "cli/convert_command.h"

#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "cli/input_lines.h"
#include "cli/line_result.h"
#include "cli/missing_syllables_report.h"
#include "codec/gb18030_codec.h"
#include "codec/utf8_text.h"
#include "romaji/convert_pinyin_text.h"

#include <ostream>

namespace tavenor {

int RunConvertCommand(const QString& file, LineOutput lineOutput, CliStreams streams)
{
    const std::optional<std::string> input = ReadCliInput(file, streams);
    if (!input)
        return 1;
    SyllableTable table;
    LoadSyllableTable(table);
    std::string output;
    std::size_t lineNumber = 0;
    for (const std::string_view line : SplitInputLines(*input)) {
        ++lineNumber;
        const std::string pinyin = ToGb18030(FromUtf8(line));
        const RomajiTexts texts = ConvertPinyinText(pinyin, table);
        // An empty line parts one text record from the next; JSON Lines need none.
        if (!lineOutput.json && lineNumber > 1)
            output += '\n';
        output += FormatLineResult(texts, lineOutput.json);
        if (!lineOutput.quiet)
            ReportMissingSyllables(lineNumber, pinyin, texts.final, table, streams.err);
    }
    return WriteCliOutput(output, streams);
}

} // namespace tavenor
