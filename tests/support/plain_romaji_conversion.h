#pragma once

#include "romaji/romaji_texts.h"
#include "table/syllable_table.h"
#include "text/gb18030_characters.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tavenor::testing {

// What the conversion gives, written out plainly from its rules apart from the product's code:
// the text cut at every separator, each piece's row found by a walk from the first row, its
// characters spelled one string each.
struct PlainConversion {
    RomajiTexts texts;
    std::vector<std::string> missingPieces;
};

inline void PlainConvertPiece(const std::string& piece, const SyllableTable& table,
                              PlainConversion& out)
{
    const SyllableRecord* row = nullptr;
    for (const SyllableRecord& candidate : table) {
        if (candidate.pinyin == piece) {
            row = &candidate;
            break;
        }
    }
    if (!row)
        out.missingPieces.push_back(piece);
    out.texts.romaji += (row ? row->romaji : "?") + " , ";
    out.texts.final += (row ? row->phonemes : "?") + "\r\n";

    std::vector<std::string> letters;
    for (std::size_t at = 0; at < piece.size();) {
        const std::size_t length = Gb18030CharacterLength(std::string_view(piece).substr(at));
        letters.push_back(piece.substr(at, length));
        at += length;
    }
    const auto is = [&letters](std::size_t i, std::string_view letter) {
        return i < letters.size() && letters[i] == letter;
    };
    const auto join = [&letters](std::size_t from, std::size_t to) {
        std::string joined;
        for (std::size_t i = from; i < to && i < letters.size(); ++i)
            joined += letters[i];
        return joined;
    };
    if (is(0, "a") || is(0, "e") || is(0, "o")) {
        out.texts.decomposition += piece + ",";
        return;
    }
    // Contracted finals spelled out, then u after j, q or x written v.
    const std::array<std::array<std::string_view, 3>, 3> finals{
        {{"u", "i", "uei"}, {"i", "u", "iou"}, {"u", "n", "uen"}}};
    for (const auto& [last2, last, full] : finals) {
        const std::size_t n = letters.size();
        if (n >= 2 && letters[n - 2] == last2 && letters[n - 1] == last) {
            letters.resize(n - 2);
            for (const char c : full)
                letters.emplace_back(1, c);
        }
    }
    if ((is(0, "j") || is(0, "q") || is(0, "x")) && is(1, "u"))
        letters[1] = "v";
    const std::size_t size = letters.size();
    out.texts.history += join(0, size) + "\r\n";
    const std::size_t head = is(1, "h") ? 2 : 1;
    const std::size_t tail
        = (is(head, "i") || is(head, "u")) && !is(head + 1, "n") ? head + 1 : size;
    out.texts.decomposition += join(0, head) + "," + join(head, tail) + ",";
    if (tail < size)
        out.texts.decomposition += join(tail, size) + ",";
}

inline PlainConversion PlainConvert(std::string_view text, const SyllableTable& table)
{
    PlainConversion out;
    std::string piece;
    for (const char c : text) {
        if (c != ',' && c != '\r' && c != '\n') {
            piece += c;
            continue;
        }
        if (!piece.empty())
            PlainConvertPiece(piece, table, out);
        piece.clear();
    }
    if (!piece.empty())
        PlainConvertPiece(piece, table, out);
    return out;
}

} // namespace tavenor::testing
