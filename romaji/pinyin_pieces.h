#pragma once

#include <algorithm>
#include <string_view>

namespace tavenor {

// Calls visit(piece) for each piece of a pinyin-box text, in order: the text cut at every ",".
// A line break pasted into the one-line box separates syllables as a comma does, so that it never
// becomes part of a piece; empty pieces are dropped. No GB18030 trailing byte is a comma, CR or LF.
template <typename Visit> void ForEachPinyinPiece(std::string_view text, Visit visit)
{
    const auto isSeparator = [](char c) { return c == ',' || c == '\r' || c == '\n'; };
    while (!text.empty()) {
        std::size_t end = 0;
        while (end < text.size() && !isSeparator(text[end]))
            ++end;
        const std::string_view piece = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!piece.empty())
            visit(piece);
    }
}

} // namespace tavenor
