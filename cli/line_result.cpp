#include "cli/line_result.h"

#include "romaji/convert_pinyin_text.h"
#include "romaji/pinyin_pieces.h"

#include <array>

namespace tavenor {

LineResultWriter::LineResultWriter(CliOutput& output, LineOutput lineOutput, LineSource source,
                                   const SyllableTable& table)
    : m_output(output)
    , m_lineOutput(lineOutput)
    , m_source(source)
    , m_table(table)
    , m_finalLines(table)
{
}

void LineResultWriter::write(std::string_view pinyinText)
{
    ++m_lineNumber;
    m_missing.clear();
    if (m_lineOutput.json)
        appendJson(pinyinText, m_output.pending());
    else
        appendFinalText(pinyinText, m_output.pending());
    if (!m_lineOutput.quiet)
        ReportMissingSyllables(m_lineNumber, m_missing, m_output.pendingReports());
    m_output.sendWhatIsDue();
}

void LineResultWriter::appendJson(std::string_view pinyinText, std::string& out)
{
    ConvertPinyinText(pinyinText, m_table, m_texts);
    const std::array<JsonMember, 5> members{{{"pinyin", pinyinText},
                                             {"decomposition", m_texts.decomposition},
                                             {"romaji", m_texts.romaji},
                                             {"final", m_texts.final},
                                             {"history", m_texts.history}}};
    const bool withPinyinList = m_source == LineSource::LyricsBox;
    m_jsonLine.append(std::span(members).subspan(withPinyinList ? 0 : 1), out);
    if (!m_lineOutput.quiet && ShowsMissingSyllable(m_texts.final))
        FindMissingSyllables(pinyinText, m_texts.final, m_table, m_missing);
}

void LineResultWriter::appendFinalText(std::string_view pinyinText, std::string& out)
{
    // An empty line parts one text record from the next; JSON Lines need none.
    if (m_lineNumber > 1)
        out += '\n';
    ForEachPinyinPiece(pinyinText, [&](std::string_view piece) {
        const SyllableRecord* row = m_table.findFirst(piece);
        out += m_finalLines.of(row);
        if (!row)
            m_missing.add(piece);
    });
}

} // namespace tavenor
