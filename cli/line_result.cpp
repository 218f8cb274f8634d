#include "cli/line_result.h"

#include "cli/json_string.h"
#include "cli/output_text.h"

namespace tavenor {

LineResultWriter::LineResultWriter(CliOutput& output, LineOutput lineOutput, LineSource source,
                                   const SyllableTable& table)
    : m_output(output)
    , m_lineOutput(lineOutput)
    , m_source(source)
    , m_conversion(table, lineOutput.json ? AppendJsonStringContent : AppendOutputText)
{
}

void LineResultWriter::write(std::string_view pinyinText)
{
    ++m_lineNumber;
    m_conversion.convert(pinyinText);
    std::string& out = m_output.pending();
    if (m_lineOutput.json) {
        appendJson(pinyinText, out);
    } else {
        // An empty line parts one text record from the next; JSON Lines need none.
        if (m_lineNumber > 1)
            out += '\n';
        m_conversion.append(RomajiText::Final, out);
    }
    if (!m_lineOutput.quiet)
        ReportMissingSyllables(m_lineNumber, m_conversion.missingPieces(),
                               m_output.pendingReports());
    m_output.sendWhatIsDue();
}

void LineResultWriter::appendJson(std::string_view pinyinText, std::string& out) const
{
    // The keys in the documented order, each with what stands between two values.
    if (m_source == LineSource::LyricsBox) {
        out += "{\"pinyin\":";
        AppendJsonString(pinyinText, out);
        out += ",\"decomposition\":\"";
    } else {
        out += "{\"decomposition\":\"";
    }
    m_conversion.append(RomajiText::Decomposition, out);
    out += "\",\"romaji\":\"";
    m_conversion.append(RomajiText::Romaji, out);
    out += "\",\"final\":\"";
    m_conversion.append(RomajiText::Final, out);
    out += "\",\"history\":\"";
    m_conversion.append(RomajiText::History, out);
    out += "\"}\n";
}

} // namespace tavenor
