#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavenor {

// What one piece of a pinyin-box text adds to the decomposition and, unless it starts with a, e
// or o, to the history: the syllable with its contracted finals and its u-umlaut spelled out, cut
// into initial, medial and the rest. Positions count GB18030 characters, so that a Chinese
// character typed into the box is one letter and is never cut in half. The letters and where
// each character starts are kept from piece to piece, so that a batch allocates little.
class SyllableSpeller {
public:
    void append(std::string_view piece, std::string& decomposition, std::string& history);

private:
    // The one-byte letter at character i (from 0); 0 past the end and for a character of more
    // bytes.
    char letterAt(std::size_t i) const noexcept;
    bool isAt(std::size_t i, char c) const noexcept { return letterAt(i) == c; }
    bool isMedial(std::size_t i) const noexcept { return isAt(i, 'i') || isAt(i, 'u'); }
    std::size_t size() const noexcept { return m_starts.size() - 1; }
    bool endsWith(char a, char b) const noexcept;

    void normalize();
    void appendRange(std::string& out, std::size_t from, std::size_t to) const;
    void appendDecomposition(std::string& out, std::size_t head, std::size_t tail) const;

    std::string m_letters;
    // Where each character of m_letters starts, then its end.
    std::vector<std::uint32_t> m_starts;
};

} // namespace tavenor
