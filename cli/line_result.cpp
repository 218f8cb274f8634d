#include "cli/line_result.h"

#include "cli/missing_syllables_report.h"
#include "cli/output_text.h"

#include <array>

namespace tavenor {

void LineResultWriter::write(std::string_view pinyinText, const RomajiTexts& texts)
{
    ++m_lineNumber;
    std::string& out = m_output.pending();
    if (m_lineOutput.json) {
        const std::array<JsonMember, 5> members{{{"pinyin", pinyinText},
                                                 {"decomposition", texts.decomposition},
                                                 {"romaji", texts.romaji},
                                                 {"final", texts.final},
                                                 {"history", texts.history}}};
        const bool withPinyinList = m_source == LineSource::LyricsBox;
        m_jsonLine.append(std::span(members).subspan(withPinyinList ? 0 : 1), out);
    } else {
        // An empty line parts one text record from the next; JSON Lines need none.
        if (m_lineNumber > 1)
            out += '\n';
        AppendOutputText(texts.final, out);
    }
    if (!m_lineOutput.quiet)
        ReportMissingSyllables(m_lineNumber, pinyinText, texts.final, m_table,
                               m_output.pendingReports());
    m_output.sendWhatIsDue();
}

} // namespace tavenor
