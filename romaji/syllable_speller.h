#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavenor {

// What one piece of a pinyin-box text adds to the decomposition and, unless it starts with a, e
// or o, to the history: the syllable with its contracted finals and its u-umlaut spelled out, cut
// into initial, medial and the rest. Positions count GB18030 characters, so that a Chinese
// character typed into the box is one letter and is never cut in half. Keeps the characters of
// the last piece that was not short ASCII, so that a batch allocates little.
class SyllableSpeller {
public:
    using Characters = std::vector<std::string_view>;

    void append(std::string_view piece, std::string& decomposition, std::string& history);

private:
    Characters m_characters;
};

} // namespace tavenor
