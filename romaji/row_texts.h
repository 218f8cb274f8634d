#pragma once

#include "table/syllable_table.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavenor {

// The texts of the pieces that have no row, one after the other, and where each ends.
struct MissingPieceTexts {
    std::string text;
    std::vector<std::size_t> ends{0};

    void clear()
    {
        text.clear();
        ends.assign(1, 0);
    }

    // Once the next piece's text has been appended to text.
    void endPiece() { ends.push_back(text.size()); }
};

// One short text for each row of a table, kept one after the other, so that a batch appends the
// texts of many rows by copying blocks.
class RowTexts {
public:
    // The next row's text.
    void add(std::string_view text);

    std::string_view of(RowNumber row) const noexcept
    {
        const Span span = m_spans[row];
        return {m_text.data() + span.begin, span.size};
    }

    // Appends the texts of rows, in order; the k-th row that is kNoRow (from 0) appends the text of
    // the k-th missing piece instead.
    void appendAll(const std::vector<RowNumber>& rows, const MissingPieceTexts& missing,
                   std::string& out) const;

private:
    struct Span {
        std::uint32_t begin, size;
    };

    // The texts one after the other, then room for the last block to be read whole.
    std::string m_text;
    std::vector<Span> m_spans;
    std::size_t m_longest = 0;
};

} // namespace tavenor
