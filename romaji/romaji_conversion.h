#pragma once

#include "romaji/romaji_texts.h"
#include "table/syllable_table.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tavenor {

// The pinyin-to-romaji conversion, the one every front end calls: a pinyin-box text, cut at ",",
// gives the four texts piece by piece, each piece finding the first row whose pinyin it is.
// Positions in the rewrite rules and the decomposition count GB18030 characters, so a Chinese
// character typed into the box is never cut in half. Empty pieces are dropped.
class RomajiConversion {
public:
    // How a piece finds its row; either way the first row of that pinyin.
    enum class Lookup {
        // The window's: the table scanned from its first row for each piece, each piece spelled
        // as it comes, nothing prepared.
        ScanFromFirstRow,
        // A batch's: the table indexed once and each row's parts printed once, then copied for
        // every piece that finds the row.
        Indexed,
    };

    // Appends a part of a text (GB18030) to out in a front end's printed form. Each piece's part
    // is printed on its own, which gives the printed form of the whole text for any form that maps
    // character by character: every part ends in a comma, a space or a line break, which no
    // multi-byte GB18030 character contains. nullptr prints the GB18030 as it is.
    using Print = void (*)(std::string_view part, std::string& out);

    RomajiConversion(const SyllableTable& table, Lookup lookup, Print print = nullptr);
    ~RomajiConversion();
    RomajiConversion(RomajiConversion&&) noexcept;
    RomajiConversion& operator=(RomajiConversion&&) noexcept;

    // Takes the next text, in place of the last.
    void convert(std::string_view pinyinText);

    // Appends one of the texts of the last text taken, printed.
    void append(RomajiText which, std::string& out) const;

    // The four texts of the last text taken, printed.
    RomajiTexts texts() const;

    // The pieces of the last text taken that have no row, in order: views into that text.
    const std::vector<std::string_view>& missingPieces() const noexcept;

private:
    class Pieces;
    std::unique_ptr<Pieces> m_pieces;
};

// The window's use of it: one text, converted by a conversion made for it alone, scanning from the
// first row.
RomajiTexts ConvertPinyinText(std::string_view pinyinText, const SyllableTable& table);

} // namespace tavenor
