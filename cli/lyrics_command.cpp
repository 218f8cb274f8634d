#include "cli/lyrics_command.h"

#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "cli/line_chunks.h"
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

// One thread's share: each line is a lyrics-box text, whose pinyin list is then converted.
class LyricsLineWorker {
public:
    LyricsLineWorker(LuAnswers lu, Terminal* terminal, LineOutput lineOutput,
                     const PinyinProvider& provider, const SyllableTable& table)
        : m_pinyinList(provider)
        , m_lu(lu, terminal)
        , m_results(lineOutput, LineSource::LyricsBox, table)
    {
    }

    void convert(std::string_view line, std::size_t lineNumber, std::string& results,
                 std::string& reports)
    {
        m_lu.setLine(lineNumber);
        m_lyrics.clear();
        AppendUtf8AsGb18030(line, m_lyrics);
        m_pinyinList.build(m_lyrics, m_lu, m_pinyin);
        m_results.append(m_pinyin, lineNumber, results, reports);
    }

private:
    PinyinListBuilder m_pinyinList;
    LuAnswerer m_lu;
    LineResults m_results;
    // Reused from line to line, so that a long input costs few allocations.
    std::string m_lyrics;
    std::string m_pinyin;
};

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
        SyllableTable table;
        LoadSyllableTable(table);
        const UnihanPinyinProvider provider{};
        // The questions may share the terminal with the output: it waits for the last answer, and
        // they are asked in the order of the lines, on one thread.
        CliOutput output(streams,
                         terminal ? CliOutput::Timing::AtTheEnd : CliOutput::Timing::InBlocks);
        ConvertLinesOnThreads(
            input->text(), terminal ? 1 : BatchThreads(), kChunkBytes, output,
            [&] { return LyricsLineWorker(lu, terminal.get(), lineOutput, provider, table); });
        return output.finish();
    } catch (const NoLuAnswer& noAnswer) {
        streams.err << "tavenor-cli: " << noAnswer.what() << '\n';
        return 1;
    }
}

} // namespace tavenor
