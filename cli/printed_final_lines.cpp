#include "cli/printed_final_lines.h"

#include "cli/output_text.h"
#include "romaji/convert_pinyin_text.h"

namespace tavenor {

PrintedFinalLines::PrintedFinalLines(const SyllableTable& table)
    : m_firstRow(table.empty() ? nullptr : &table[0])
{
    m_lineEnds.push_back(0);
    std::string line;
    const auto addLine = [&](const SyllableRecord* row) {
        line.clear();
        AppendFinalLine(row, line);
        AppendOutputText(line, m_text);
        m_lineEnds.push_back(m_text.size());
    };
    for (const SyllableRecord& row : table)
        addLine(&row);
    addLine(nullptr);
}

} // namespace tavenor
