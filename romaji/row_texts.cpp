#include "romaji/row_texts.h"

#include "text/bytes_at_a_time.h"

#include <algorithm>

namespace tavenor {

void RowTexts::add(std::string_view text)
{
    m_text.resize(m_text.size() - std::min(m_text.size(), kCopyBlock - 1));
    m_spans.push_back(
        {static_cast<std::uint32_t>(m_text.size()), static_cast<std::uint32_t>(text.size())});
    m_text += text;
    m_text.append(kCopyBlock - 1, '\0');
    m_longest = std::max(m_longest, text.size());
}

void RowTexts::appendAll(const std::vector<RowNumber>& rows, const MissingPieceTexts& missing,
                         std::string& out) const
{
    const std::size_t start = out.size();
    // Room for the longest text for each row, so that the texts need no measuring first, and for
    // the last block to be written whole.
    out.resize(start + rows.size() * m_longest + missing.text.size() + kCopyBlock - 1);
    char* next = out.data() + start;
    std::size_t missingPiece = 0;
    for (const RowNumber row : rows) {
        if (row == SyllableTable::kNoRow) {
            // Not ours to read past: copied as it is.
            const std::size_t begin = missing.ends[missingPiece];
            const std::size_t end = missing.ends[++missingPiece];
            next = std::copy(missing.text.begin() + static_cast<std::ptrdiff_t>(begin),
                             missing.text.begin() + static_cast<std::ptrdiff_t>(end), next);
            continue;
        }
        const Span span = m_spans[row];
        CopyInBlocks(m_text.data() + span.begin, span.size, next);
        next += span.size;
    }
    out.resize(static_cast<std::size_t>(next - out.data()));
}

} // namespace tavenor
