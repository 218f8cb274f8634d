#include "cli/line_result.h"

#include "cli/json_string.h"
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

// Which of the spelled texts: the decomposition's part, or the history's.
enum Spelled : std::size_t { kDecomposition, kHistory };

// Each row's part of a spelled text as a JSON string's inside; nothing for no row, whose pieces
// are spelled as they come.
auto jsonSpelling(Spelled which)
{
    return [which](const SyllableRecord* row, std::string& out) {
        if (!row)
            return;
        std::string spelled[2];
        SyllableSpeller().append(row->pinyin, spelled[kDecomposition], spelled[kHistory]);
        AppendJsonStringContent(spelled[which], out);
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
    , m_jsonDecomposition(table, jsonSpelling(kDecomposition))
    , m_jsonRomaji(table, printedEntries(AppendRomajiEntry, AppendJsonStringContent))
    , m_jsonFinal(table, printedEntries(AppendFinalLine, AppendJsonStringContent))
    , m_jsonHistory(table, jsonSpelling(kHistory))
{
}

void LineResultWriter::write(std::string_view pinyinText)
{
    ++m_lineNumber;
    m_missing.clear();
    m_rows.clear();
    if (m_lineOutput.json)
        appendJson(pinyinText, m_output.pending());
    else
        appendFinalText(pinyinText, m_output.pending());
    if (!m_lineOutput.quiet)
        ReportMissingSyllables(m_lineNumber, m_missing, m_output.pendingReports());
    m_output.sendWhatIsDue();
}

RowNumber LineResultWriter::rowOf(std::string_view piece)
{
    const SyllableRecord* row = m_table.findFirst(piece);
    if (row)
        return static_cast<RowNumber>(row - &m_table[0]);
    m_missing.add(piece);
    return static_cast<RowNumber>(m_table.size());
}

void LineResultWriter::appendJson(std::string_view pinyinText, std::string& out)
{
    for (const Spelled which : {kDecomposition, kHistory}) {
        m_missedJson[which].clear();
        m_missedEnds[which].assign(1, 0);
    }
    ForEachPinyinPiece(pinyinText, [this](std::string_view piece) {
        const RowNumber row = rowOf(piece);
        m_rows.push_back(row);
        if (row != m_table.size())
            return;
        m_spelled[kDecomposition].clear();
        m_spelled[kHistory].clear();
        m_speller.append(piece, m_spelled[kDecomposition], m_spelled[kHistory]);
        for (const Spelled which : {kDecomposition, kHistory}) {
            AppendJsonStringContent(m_spelled[which], m_missedJson[which]);
            m_missedEnds[which].push_back(m_missedJson[which].size());
        }
    });
    const auto appendSpelled = [this, &out](const PrintedRowTexts& texts, Spelled which) {
        const std::vector<std::size_t>& ends = m_missedEnds[which];
        const std::string_view missed = m_missedJson[which];
        texts.appendAll(
            m_rows, out,
            [&](std::size_t k) { return missed.substr(ends[k], ends[k + 1] - ends[k]); },
            missed.size());
    };
    // The keys in the documented order, each with what stands between two values.
    if (m_source == LineSource::LyricsBox) {
        out += "{\"pinyin\":";
        AppendJsonString(pinyinText, out);
        out += ",\"decomposition\":\"";
    } else {
        out += "{\"decomposition\":\"";
    }
    appendSpelled(m_jsonDecomposition, kDecomposition);
    out += "\",\"romaji\":\"";
    m_jsonRomaji.appendAll(m_rows, out);
    out += "\",\"final\":\"";
    m_jsonFinal.appendAll(m_rows, out);
    out += "\",\"history\":\"";
    appendSpelled(m_jsonHistory, kHistory);
    out += "\"}\n";
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
