#include "cli/lyrics_command.h"

#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "cli/input_lines.h"
#include "cli/line_result.h"
#include "cli/terminal_lu_question.h"
#include "codec/gb18030_codec.h"
#include "codec/utf8_text.h"
#include "pinyin/build_pinyin_list.h"
#include "pinyin/unihan_pinyin_provider.h"
#include "romaji/convert_pinyin_text.h"

#include <ostream>

namespace tavenor {
namespace {

class FixedLuAnswer final : public LuQuestion {
public:
    explicit FixedLuAnswer(bool yes)
        : m_yes(yes)
    {
    }
    bool askIsLu(std::string_view, std::string_view, const LuOccurrence&) override { return m_yes; }

private:
    bool m_yes;
};

std::string convertLines(const std::string& input, LuQuestion& question, bool json)
{
    const UnihanPinyinProvider provider;
    SyllableTable table;
    LoadSyllableTable(table);
    std::string output;
    for (const std::string_view line : SplitInputLines(input)) {
        const std::string lyrics = ToGb18030(FromUtf8(line));
        const std::string pinyin = BuildPinyinList(lyrics, provider, question);
        output += FormatLineResult(ConvertPinyinText(pinyin, table), json, pinyin);
    }
    return output;
}

} // namespace

int RunLyricsCommand(const QString& file, LuAnswers lu, bool json, CliStreams streams)
{
    std::unique_ptr<Terminal> terminal;
    if (lu == LuAnswers::Ask) {
        terminal = streams.openTerminal ? streams.openTerminal() : nullptr;
        if (!terminal) {
            streams.err << "tavenor-cli: --lu=ask needs a terminal to ask on, and there is none; "
                           "use --lu=yes or --lu=no\n";
            return 1;
        }
    }
    const std::optional<std::string> input = ReadCliInput(file, streams);
    if (!input)
        return 1;
    try {
        std::string output;
        if (terminal) {
            TerminalLuQuestion question(*terminal);
            output = convertLines(*input, question, json);
        } else {
            FixedLuAnswer question(lu == LuAnswers::Yes);
            output = convertLines(*input, question, json);
        }
        return WriteCliOutput(output, streams);
    } catch (const TerminalLuQuestion::NoAnswer& noAnswer) {
        streams.err << "tavenor-cli: " << noAnswer.what() << '\n';
        return 1;
    }
}

} // namespace tavenor
