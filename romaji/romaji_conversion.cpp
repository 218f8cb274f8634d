#include "romaji/romaji_conversion.h"

#include "romaji/piece_parts.h"
#include "romaji/pinyin_pieces.h"
#include "romaji/row_index.h"
#include "romaji/row_texts.h"
#include "romaji/syllable_speller.h"

#include <array>
#include <optional>

namespace tavenor {
namespace {

std::size_t indexOf(RomajiText which) { return static_cast<std::size_t>(which); }

void printAsItIs(std::string_view part, std::string& out) { out += part; }

} // namespace

// What the last text gave. Scanning, each piece's parts are appended to the texts as it comes.
// Indexed, a piece that finds a row is byte for byte that row's pinyin, so its parts are the row's
// own, printed when the conversion is made: a text keeps only each piece's row, and the printed
// parts of the pieces without one, and the texts are made when asked for, by copying.
class RomajiConversion::Pieces {
public:
    Pieces(const SyllableTable& table, Lookup lookup, Print print)
        : m_table(table)
        , m_print(print ? print : printAsItIs)
    {
        if (lookup == Lookup::ScanFromFirstRow)
            return;
        m_index.emplace(table);
        std::string printed;
        for (const SyllableRecord& row : table) {
            m_pieceParts = {};
            AppendPieceParts(row.pinyin, &row, m_speller, m_pieceParts);
            for (const RomajiText which : kRomajiTexts) {
                printed.clear();
                m_print(m_pieceParts[which], printed);
                m_rowParts[indexOf(which)].add(printed);
            }
        }
    }

    void convert(std::string_view pinyinText)
    {
        m_missingPieces.clear();
        if (m_index)
            convertIndexed(pinyinText);
        else
            convertScanning(pinyinText);
    }

    void append(RomajiText which, std::string& out) const
    {
        if (m_index)
            m_rowParts[indexOf(which)].appendAll(m_rows, m_missingParts[indexOf(which)], out);
        else
            m_print(m_texts[which], out);
    }

    const std::vector<std::string_view>& missingPieces() const noexcept { return m_missingPieces; }

private:
    void convertScanning(std::string_view pinyinText)
    {
        m_texts = {};
        // Room for about the most that a text of this size gives with the built-in table, so that
        // a long text is written once rather than moved each time it outgrows its buffer.
        m_texts.decomposition.reserve(pinyinText.size() * 3);
        m_texts.romaji.reserve(pinyinText.size() * 3);
        m_texts.final.reserve(pinyinText.size() * 12);
        m_texts.history.reserve(pinyinText.size() * 3);
        ForEachPinyinPiece(pinyinText, [this](std::string_view piece) {
            const SyllableRecord* row = m_table.findFirst(piece);
            if (!row)
                m_missingPieces.push_back(piece);
            AppendPieceParts(piece, row, m_speller, m_texts);
        });
    }

    void convertIndexed(std::string_view pinyinText)
    {
        m_rows.clear();
        for (MissingPieceTexts& missing : m_missingParts)
            missing.clear();
        ForEachPinyinPiece(pinyinText, [this](std::string_view piece) {
            const RowNumber row = m_index->find(piece);
            m_rows.push_back(row);
            if (row != SyllableTable::kNoRow)
                return;
            m_missingPieces.push_back(piece);
            for (const RomajiText which : kRomajiTexts)
                m_pieceParts[which].clear();
            AppendPieceParts(piece, nullptr, m_speller, m_pieceParts);
            for (const RomajiText which : kRomajiTexts) {
                MissingPieceTexts& missing = m_missingParts[indexOf(which)];
                m_print(m_pieceParts[which], missing.text);
                missing.endPiece();
            }
        });
    }

    const SyllableTable& m_table;
    Print m_print;
    SyllableSpeller m_speller;
    std::vector<std::string_view> m_missingPieces;

    // Scanning.
    RomajiTexts m_texts;

    // Indexed; kept from text to text, so that a long batch costs few allocations.
    std::optional<RowIndex> m_index;
    std::array<RowTexts, kRomajiTexts.size()> m_rowParts;
    std::vector<RowNumber> m_rows;
    std::array<MissingPieceTexts, kRomajiTexts.size()> m_missingParts;
    RomajiTexts m_pieceParts;
};

RomajiConversion::RomajiConversion(const SyllableTable& table, Lookup lookup, Print print)
    : m_pieces(std::make_unique<Pieces>(table, lookup, print))
{
}

RomajiConversion::~RomajiConversion() = default;
RomajiConversion::RomajiConversion(RomajiConversion&&) noexcept = default;
RomajiConversion& RomajiConversion::operator=(RomajiConversion&&) noexcept = default;

void RomajiConversion::convert(std::string_view pinyinText) { m_pieces->convert(pinyinText); }

void RomajiConversion::append(RomajiText which, std::string& out) const
{
    m_pieces->append(which, out);
}

RomajiTexts RomajiConversion::texts() const
{
    RomajiTexts texts;
    for (const RomajiText which : kRomajiTexts)
        append(which, texts[which]);
    return texts;
}

const std::vector<std::string_view>& RomajiConversion::missingPieces() const noexcept
{
    return m_pieces->missingPieces();
}

RomajiTexts ConvertPinyinText(std::string_view pinyinText, const SyllableTable& table)
{
    RomajiConversion conversion(table, RomajiConversion::Lookup::ScanFromFirstRow);
    conversion.convert(pinyinText);
    return conversion.texts();
}

} // namespace tavenor
