#include "romaji/syllable_speller.h"

#include "text/gb18030_characters.h"

#include <algorithm>
#include <array>

namespace tavenor {

char SyllableSpeller::letterAt(std::size_t i) const noexcept
{
    return i < size() && m_starts[i + 1] - m_starts[i] == 1 ? m_letters[m_starts[i]] : '\0';
}

bool SyllableSpeller::endsWith(char a, char b) const noexcept
{
    return size() >= 2 && isAt(size() - 2, a) && isAt(size() - 1, b);
}

// Spells out the contracted finals and the u that stands for u-umlaut after j, q and x, in this
// order: "jun" becomes "juen", then "jven".
void SyllableSpeller::normalize()
{
    struct Suffix {
        char a, b;
        std::string_view full;
    };
    static constexpr std::array<Suffix, 3> suffixes{{
        {'u', 'i', "uei"},
        {'i', 'u', "iou"},
        {'u', 'n', "uen"},
    }};
    for (const Suffix& rule : suffixes) {
        if (!endsWith(rule.a, rule.b))
            continue;
        // The last two characters are single letters: their bytes are the last two.
        m_letters.replace(m_letters.size() - 2, 2, rule.full);
        m_starts.pop_back();
        m_starts.pop_back();
        for (std::size_t i = 1; i <= rule.full.size(); ++i)
            m_starts.push_back(static_cast<std::uint32_t>(m_letters.size() - rule.full.size() + i));
    }
    for (const char initial : {'j', 'q', 'x'}) {
        if (isAt(0, initial) && isAt(1, 'u'))
            m_letters[m_starts[1]] = 'v';
    }
}

void SyllableSpeller::appendRange(std::string& out, std::size_t from, std::size_t to) const
{
    to = std::min(to, size());
    if (from < to)
        out.append(m_letters, m_starts[from], m_starts[to] - m_starts[from]);
}

// The letters before head, from head to tail, and from tail on, each followed by a comma; an empty
// first or last range is left out.
void SyllableSpeller::appendDecomposition(std::string& out, std::size_t head,
                                          std::size_t tail) const
{
    if (head > 0) {
        appendRange(out, 0, head);
        out += ',';
    }
    appendRange(out, head, tail);
    out += ',';
    if (tail < size()) {
        appendRange(out, tail, size());
        out += ',';
    }
}

void SyllableSpeller::append(std::string_view piece, std::string& decomposition,
                             std::string& history)
{
    m_letters.assign(piece);
    m_starts.clear();
    for (std::size_t at = 0; at < piece.size(); at += Gb18030CharacterLength(piece.substr(at)))
        m_starts.push_back(static_cast<std::uint32_t>(at));
    m_starts.push_back(static_cast<std::uint32_t>(piece.size()));

    if (isAt(0, 'a') || isAt(0, 'e') || isAt(0, 'o')) {
        appendDecomposition(decomposition, 0, size());
        return;
    }
    normalize();
    appendRange(history, 0, size());
    history += "\r\n";
    // The initial is one letter, or two before an h; then a medial i or u stands alone unless an
    // n follows it.
    const std::size_t head = isAt(1, 'h') ? 2 : 1;
    if (isMedial(head) && !isAt(head + 1, 'n'))
        appendDecomposition(decomposition, head, head + 1);
    else
        appendDecomposition(decomposition, head, size());
}

} // namespace tavenor
