#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavenor {

// What one piece of a pinyin-box text adds to the decomposition and, unless it starts with a, e
// or o, to the history: the syllable with its contracted finals and its u-umlaut spelled out, cut
// into initial, medial and the rest. Positions count GB18030 characters, so that a Chinese
// character typed into the box is one letter and is never cut in half. Keeps its working copy of
// the syllable from piece to piece, so that a batch allocates little.
class SyllableSpeller {
public:
    using Characters = std::vector<std::string_view>;

    void append(std::string_view piece, std::string& decomposition, std::string& history);

private:
    // A piece of ASCII, as nearly every piece is, is worked on as its bytes; any other as its
    // characters.
    std::string m_letters;
    Characters m_characters;
};

} // namespace tavenor
