#include "cli/lyrics_command.h"

#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "cli/input_lines.h"
#include "cli/line_result.h"
#include "cli/missing_syllables_report.h"
#include "cli/terminal_lu_question.h"
#include "codec/gb18030_codec.h"
#include "codec/utf8_text.h"
#include "pinyin/build_pinyin_list.h"
#include "pinyin/unihan_pinyin_provider.h"
#include "romaji/convert_pinyin_text.h"

#include <ostream>

namespace tavenor {
namespace {

// Settles each lu of the input as --lu says; asking needs the line it is on.
class LuAnswerer final : public LuQuestion {
public:
    LuAnswerer(LuAnswers answers, Terminal* terminal)
        : m_answers(answers)
        , m_terminal(terminal)
    {
    }

    void setLine(std::size_t line) { m_line = line; }

    bool askIsLu(std::string_view title, std::string_view message, const LuOccurrence& lu) override
    {
        switch (m_answers) {
        case LuAnswers::Yes: return true;
        case LuAnswers::No: return false;
        case LuAnswers::Ask: return AskLuOnTerminal(*m_terminal, title, message, m_line, lu);
        case LuAnswers::Auto: break;
        }
        return lu.readsLu;
    }

private:
    LuAnswers m_answers;
    Terminal* m_terminal;
    std::size_t m_line = 0;
};

std::string convertLines(const std::string& input, LuAnswerer& lu, LineOutput lineOutput,
                         std::ostream& err)
{
    const UnihanPinyinProvider provider;
    SyllableTable table;
    LoadSyllableTable(table);
    std::string output;
    std::size_t lineNumber = 0;
    for (const std::string_view line : SplitInputLines(input)) {
        lu.setLine(++lineNumber);
        const std::string lyrics = ToGb18030(FromUtf8(line));
        const std::string pinyin = BuildPinyinList(lyrics, provider, lu);
        const RomajiTexts texts = ConvertPinyinText(pinyin, table);
        // An empty line parts one text record from the next; JSON Lines need none.
        if (!lineOutput.json && lineNumber > 1)
            output += '\n';
        output += FormatLineResult(texts, lineOutput.json, pinyin);
        if (!lineOutput.quiet)
            ReportMissingSyllables(lineNumber, pinyin, texts.final, table, err);
    }
    return output;
}

} // namespace

int RunLyricsCommand(const QString& file, LuAnswers lu, LineOutput lineOutput, CliStreams streams)
{
    std::unique_ptr<Terminal> terminal;
    if (lu == LuAnswers::Ask) {
        terminal = streams.openTerminal ? streams.openTerminal() : nullptr;
        if (!terminal) {
            streams.err << "tavenor-cli: --lu=ask needs a terminal to ask on, and there is none; "
                           "use --lu=auto, --lu=yes or --lu=no\n";
            return 1;
        }
    }
    const std::optional<std::string> input = ReadCliInput(file, streams);
    if (!input)
        return 1;
    try {
        LuAnswerer answerer(lu, terminal.get());
        return WriteCliOutput(convertLines(*input, answerer, lineOutput, streams.err), streams);
    } catch (const NoLuAnswer& noAnswer) {
        streams.err << "tavenor-cli: " << noAnswer.what() << '\n';
        return 1;
    }
}

} // namespace tavenor
