#include "cli/line_result.h"

#include "cli/json_string.h"
#include "cli/output_text.h"

namespace tavenor {

LineResults::LineResults(LineOutput lineOutput, LineSource source, const SyllableTable& table)
    : m_lineOutput(lineOutput)
    , m_source(source)
    , m_conversion(table, RomajiConversion::Lookup::Indexed,
                   lineOutput.json ? AppendJsonStringContent : AppendOutputText)
{
}

void LineResults::append(std::string_view pinyinText, std::size_t lineNumber, std::string& results,
                         std::string& reports)
{
    m_conversion.convert(pinyinText);
    if (m_lineOutput.json) {
        appendJson(pinyinText, results);
    } else {
        // An empty line parts one text record from the next; JSON Lines need none.
        if (lineNumber > 1)
            results += '\n';
        m_conversion.append(RomajiText::Final, results);
    }
    if (!m_lineOutput.quiet)
        ReportMissingSyllables(lineNumber, m_conversion.missingPieces(), reports);
}

void LineResults::appendJson(std::string_view pinyinText, std::string& out) const
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
