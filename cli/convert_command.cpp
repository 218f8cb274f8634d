#include "cli/convert_command.h"

#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "cli/input_lines.h"
#include "cli/line_result.h"
#include "codec/gb18030_codec.h"
#include "codec/utf8_text.h"
#include "romaji/convert_pinyin_text.h"

#include <ostream>

namespace tavenor {

int RunConvertCommand(const QString& file, bool json, CliStreams streams)
{
    const std::optional<std::string> input = ReadCliInput(file, streams);
    if (!input)
        return 1;
    SyllableTable table;
    LoadSyllableTable(table);
    std::string output;
    for (const std::string_view line : SplitInputLines(*input)) {
        const std::string pinyin = ToGb18030(FromUtf8(line));
        output += FormatLineResult(ConvertPinyinText(pinyin, table), json);
    }
    return WriteCliOutput(output, streams);
}

} // namespace tavenor
