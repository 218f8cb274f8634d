#pragma once

#include "table/syllable_table.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavenor {

// The final text's line for each row of the table, and for a piece that no row matches, as the
// command line prints it: UTF-8 ending in LF. Decoded once, rather than once for every piece.
class PrintedFinalLines {
public:
    explicit PrintedFinalLines(const SyllableTable& table);

    // row is one of the table's rows, or nullptr for none.
    std::string_view of(const SyllableRecord* row) const noexcept
    {
        const std::size_t line
            = row ? static_cast<std::size_t>(row - m_firstRow) : m_lineEnds.size() - 2;
        return std::string_view(m_text).substr(m_lineEnds[line],
                                               m_lineEnds[line + 1] - m_lineEnds[line]);
    }

private:
    const SyllableRecord* m_firstRow;
    // All lines, row by row, then the one for no row; line i is from m_lineEnds[i] to
    // m_lineEnds[i + 1].
    std::string m_text;
    std::vector<std::size_t> m_lineEnds;
};

} // namespace tavenor
