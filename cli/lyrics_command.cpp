#include "cli/lyrics_command.h"

#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "cli/input_lines.h"
#include "cli/line_result.h"
#include "cli/terminal_lu_question.h"
#include "codec/gb18030_codec.h"
#include "pinyin/build_pinyin_list.h"
#include "pinyin/unihan_pinyin_provider.h"

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

void convertLines(std::string_view input, LuAnswerer& lu, LineOutput lineOutput, CliOutput& output)
{
    const UnihanPinyinProvider provider;
    SyllableTable table;
    LoadSyllableTable(table);
    LineResultWriter results(output, lineOutput, LineSource::LyricsBox, table);
    // Reused from line to line, so that a long input costs few allocations.
    std::string lyrics;
    std::string pinyin;
    std::size_t lineNumber = 0;
    for (std::string_view rest = input; !rest.empty() && !output.failed();) {
        lu.setLine(++lineNumber);
        lyrics.clear();
        AppendUtf8AsGb18030(TakeInputLine(rest), lyrics);
        BuildPinyinList(lyrics, provider, lu, pinyin);
        results.write(pinyin);
    }
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
    const std::optional<CliInput> input = CliInput::read(file, streams);
    if (!input)
        return 1;
    try {
        LuAnswerer answerer(lu, terminal.get());
        // The questions may share the terminal with the output: it waits for the last answer.
        CliOutput output(streams,
                         terminal ? CliOutput::Timing::AtTheEnd : CliOutput::Timing::InBlocks);
        convertLines(input->text(), answerer, lineOutput, output);
        return output.finish();
    } catch (const NoLuAnswer& noAnswer) {
        streams.err << "tavenor-cli: " << noAnswer.what() << '\n';
        return 1;
    }
}

} // namespace tavenor
