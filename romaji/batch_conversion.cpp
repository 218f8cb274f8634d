#include "romaji/batch_conversion.h"

#include "romaji/piece_parts.h"
#include "romaji/pinyin_pieces.h"

namespace tavenor {
namespace {

std::size_t indexOf(RomajiText which) { return static_cast<std::size_t>(which); }

} // namespace

BatchConversion::BatchConversion(const SyllableTable& table, Encode encode)
    : m_table(table)
    , m_encode(encode)
{
    std::string printed;
    for (const SyllableRecord& row : table) {
        m_pieceParts = {};
        AppendPieceParts(row.pinyin, &row, m_speller, m_pieceParts);
        for (const RomajiText which : kRomajiTexts) {
            printed.clear();
            m_encode(m_pieceParts[which], printed);
            m_rowParts[indexOf(which)].add(printed);
        }
    }
}

void BatchConversion::convert(std::string_view pinyinText)
{
    m_rows.clear();
    m_missingPieces.clear();
    for (MissedParts& missed : m_missed) {
        missed.text.clear();
        missed.ends.assign(1, 0);
    }
    ForEachPinyinPiece(pinyinText, [this](std::string_view piece) {
        const RowNumber row = m_table.findFirstRow(piece);
        m_rows.push_back(row);
        if (row != SyllableTable::kNoRow)
            return;
        m_missingPieces.push_back(piece);
        for (const RomajiText which : kRomajiTexts)
            m_pieceParts[which].clear();
        AppendPieceParts(piece, nullptr, m_speller, m_pieceParts);
        for (const RomajiText which : kRomajiTexts) {
            MissedParts& missed = m_missed[indexOf(which)];
            m_encode(m_pieceParts[which], missed.text);
            missed.ends.push_back(missed.text.size());
        }
    });
}

void BatchConversion::append(RomajiText which, std::string& out) const
{
    const MissedParts& missed = m_missed[indexOf(which)];
    m_rowParts[indexOf(which)].appendAll(m_rows, missed.text, missed.ends, out);
}

} // namespace tavenor
