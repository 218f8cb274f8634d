#pragma once

#include "romaji/romaji_texts.h"
#include "romaji/row_texts.h"
#include "romaji/syllable_speller.h"
#include "table/syllable_table.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavenor {

// Converts pinyin texts one after another, as a batch front end does, into the texts that
// ConvertPinyinText gives, each in a printed form. A piece that finds a row is byte for byte that
// row's pinyin, so what it adds to each text is the row's own part: each row's four parts are
// made once, when the batch starts, and appended by copying. Only a piece without a row is
// converted as it comes. Each part goes through encode on its own, which gives the encoding of
// the whole text for any encoding that maps character by character: every part ends in a comma, a
// space or a line break, which no multi-byte GB18030 character contains.
class BatchConversion {
public:
    // Appends a part (GB18030) to out in its printed form.
    using Encode = void (*)(std::string_view part, std::string& out);

    BatchConversion(const SyllableTable& table, Encode encode);

    // Takes the next text: finds each piece's row, and converts the pieces that have none.
    void convert(std::string_view pinyinText);

    // Appends one of the texts of the last text taken, in its printed form.
    void append(RomajiText which, std::string& out) const;

    // The pieces of the last text taken that have no row, in order: views into that text.
    const std::vector<std::string_view>& missingPieces() const noexcept { return m_missingPieces; }

private:
    // The printed parts of the pieces without a row, one after the other, and where each ends.
    struct MissedParts {
        std::string text;
        std::vector<std::size_t> ends;
    };

    const SyllableTable& m_table;
    Encode m_encode;
    std::array<RowTexts, kRomajiTexts.size()> m_rowParts;
    // Kept from text to text, so that a long batch costs few allocations.
    std::vector<RowNumber> m_rows;
    std::vector<std::string_view> m_missingPieces;
    std::array<MissedParts, kRomajiTexts.size()> m_missed;
    SyllableSpeller m_speller;
    RomajiTexts m_pieceParts;
};

} // namespace tavenor
