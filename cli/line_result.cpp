#include "cli/line_result.h"

#include "cli/json_line.h"
#include "cli/output_text.h"
#include "romaji/convert_pinyin_text.h"
#include "romaji/pinyin_pieces.h"

namespace tavenor {
namespace {

// Each row's entry, made by append, in the form that print gives a box text.
template <typename Append, typename Print> auto printedEntries(Append append, Print print)
{
    return [append, print](const SyllableRecord* row, std::string& out) {
        std::string entry;
        append(row, entry);
        print(entry, out);
    };
}

} // namespace

LineResultWriter::LineResultWriter(CliOutput& output, LineOutput lineOutput, LineSource source,
                                   const SyllableTable& table)
    : m_output(output)
    , m_lineOutput(lineOutput)
    , m_source(source)
    , m_table(table)
    , m_finalLines(table, printedEntries(AppendFinalLine, AppendOutputText))
    , m_jsonRomaji(table, printedEntries(AppendRomajiEntry, AppendJsonStringContent))
    , m_jsonFinal(table, printedEntries(AppendFinalLine, AppendJsonStringContent))
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

const SyllableRecord* LineResultWriter::rowOf(std::string_view piece)
{
    const SyllableRecord* row = m_table.findFirst(piece);
    if (!row)
        m_missing.add(piece);
    return row;
}

void LineResultWriter::appendJson(std::string_view pinyinText, std::string& out)
{
    m_decomposition.clear();
    m_history.clear();
    m_rows.clear();
    ForEachPinyinPiece(pinyinText, [this](std::string_view piece) {
        m_speller.append(piece, m_decomposition, m_history);
        m_rows.push_back(rowOf(piece));
    });
    const auto appendRowTexts = [this, &out](const PrintedRowTexts& texts) {
        out += '"';
        texts.appendAll(m_rows, out);
        out += '"';
    };
    out += '{';
    if (m_source == LineSource::LyricsBox) {
        AppendJsonKey("pinyin", out);
        AppendJsonString(pinyinText, out);
        out += ',';
    }
    AppendJsonKey("decomposition", out);
    AppendJsonString(m_decomposition, out);
    out += ',';
    AppendJsonKey("romaji", out);
    appendRowTexts(m_jsonRomaji);
    out += ',';
    AppendJsonKey("final", out);
    appendRowTexts(m_jsonFinal);
    out += ',';
    AppendJsonKey("history", out);
    AppendJsonString(m_history, out);
    out += "}\n";
}

void LineResultWriter::appendFinalText(std::string_view pinyinText, std::string& out)
{
    // An empty line parts one text record from the next; JSON Lines need none.
    if (m_lineNumber > 1)
        out += '\n';
    ForEachPinyinPiece(
        pinyinText, [this, &out](std::string_view piece) { out += m_finalLines.of(rowOf(piece)); });
}

} // namespace tavenor
