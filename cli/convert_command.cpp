#include "cli/convert_command.h"

#include "cli/cli_input.h"
#include "cli/input_lines.h"
#include "cli/json_line.h"
#include "cli/output_text.h"
#include "codec/gb18030_codec.h"
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
        const std::string pinyin =
            ToGb18030(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
        const RomajiTexts texts = ConvertPinyinText(pinyin, table);
        if (json) {
            output += JsonLine({{"decomposition", FromGb18030(texts.decomposition)},
                                {"romaji", FromGb18030(texts.romaji)},
                                {"final", FromGb18030(texts.final)},
                                {"history", FromGb18030(texts.history)}});
        } else {
            output += ToOutputText(texts.final);
        }
    }
    streams.out << output;
    return 0;
}

} // namespace tavenor
