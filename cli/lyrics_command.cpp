#include "cli/lyrics_command.h"

#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "cli/input_lines.h"
#include "cli/line_result.h"
#include "cli/terminal_lu_question.h"
#include "codec/gb18030_codec.h"
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

void convertLines(std::string_view input, LuQuestion& question, LineResultWriter& results,
                  const CliOutput& output)
{
    const UnihanPinyinProvider provider;
    SyllableTable table;
    LoadSyllableTable(table);
    // Reused from line to line, so that a long input costs few allocations.
    std::string lyrics;
    std::string pinyin;
    RomajiTexts texts;
    for (std::string_view rest = input; !rest.empty() && !output.failed();) {
        lyrics.clear();
        AppendUtf8AsGb18030(TakeInputLine(rest), lyrics);
        BuildPinyinList(lyrics, provider, question, pinyin);
        ConvertPinyinText(pinyin, table, texts);
        results.write(texts, pinyin);
    }
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
        // The questions may share the terminal with the output: it waits for the last answer.
        CliOutput output(streams,
                         terminal ? CliOutput::Timing::AtTheEnd : CliOutput::Timing::InBlocks);
        LineResultWriter results(output, json);
        if (terminal) {
            TerminalLuQuestion question(*terminal);
            convertLines(*input, question, results, output);
        } else {
            FixedLuAnswer question(lu == LuAnswers::Yes);
            convertLines(*input, question, results, output);
        }
        return output.finish();
    } catch (const TerminalLuQuestion::NoAnswer& noAnswer) {
        streams.err << "tavenor-cli: " << noAnswer.what() << '\n';
        return 1;
    }
}

} // namespace tavenor
