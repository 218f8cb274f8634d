#include "romaji/syllable_speller.h"

#include "text/gb18030_characters.h"

#include <algorithm>
#include <array>

namespace tavenor {
namespace {

using Characters = SyllableSpeller::Characters;

// The one-byte letter at i (from 0); 0 past the end and for a character of more bytes.
char letterAt(const std::string& s, std::size_t i) { return i < s.size() ? s[i] : '\0'; }

char letterAt(const Characters& s, std::size_t i)
{
    return i < s.size() && s[i].size() == 1 ? s[i][0] : '\0';
}

template <typename Letters> bool isAt(const Letters& s, std::size_t i, char c)
{
    return letterAt(s, i) == c;
}

template <typename Letters> bool isMedial(const Letters& s, std::size_t i)
{
    return isAt(s, i, 'i') || isAt(s, i, 'u');
}

template <typename Letters> bool endsWith(const Letters& s, char a, char b)
{
    return s.size() >= 2 && isAt(s, s.size() - 2, a) && isAt(s, s.size() - 1, b);
}

void appendRange(std::string& out, const std::string& s, std::size_t from, std::size_t to)
{
    out.append(s, from, std::min(to, s.size()) - from);
}

// Characters that follow each other in memory, as those of one piece do, go out in one append.
void appendRange(std::string& out, const Characters& s, std::size_t from, std::size_t to)
{
    to = std::min(to, s.size());
    for (std::size_t i = from; i < to;) {
        const char* begin = s[i].data();
        const char* end = begin + s[i].size();
        for (++i; i < to && s[i].data() == end; ++i)
            end += s[i].size();
        out.append(begin, end);
    }
}

// The last two letters replaced by the letters of full (a literal, which outlives the views).
void replaceLastTwo(std::string& s, std::string_view full) { s.replace(s.size() - 2, 2, full); }

void replaceLastTwo(Characters& s, std::string_view full)
{
    s.resize(s.size() - 2);
    for (std::size_t i = 0; i < full.size(); ++i)
        s.push_back(full.substr(i, 1));
}

void writeUmlautAt(std::string& s, std::size_t i) { s[i] = 'v'; }

void writeUmlautAt(Characters& s, std::size_t i) { s[i] = "v"; }

// Spells out the contracted finals and the u that stands for u-umlaut after j, q and x, in this
// order: "jun" becomes "juen", then "jven".
template <typename Letters> void normalize(Letters& s)
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
        if (endsWith(s, rule.a, rule.b))
            replaceLastTwo(s, rule.full);
    }
    for (const char initial : {'j', 'q', 'x'}) {
        if (isAt(s, 0, initial) && isAt(s, 1, 'u'))
            writeUmlautAt(s, 1);
    }
}

// Where the head and the tail start in a normalized syllable of a consonant initial.
struct Split {
    std::size_t head, tail;
};

template <typename Letters> Split decompose(const Letters& s)
{
    const std::size_t all = s.size();
    if (isAt(s, 1, 'h')) {
        if (isMedial(s, 2))
            return isAt(s, 3, 'n') ? Split{2, all} : Split{2, 3};
        return Split{2, all};
    }
    if (isMedial(s, 1))
        return isAt(s, 2, 'n') ? Split{1, all} : Split{1, 2};
    return Split{1, all};
}

template <typename Letters>
void appendDecomposition(std::string& out, const Letters& s, Split split)
{
    if (split.head > 0) {
        appendRange(out, s, 0, split.head);
        out += ',';
    }
    appendRange(out, s, split.head, split.tail);
    out += ',';
    if (split.tail < s.size()) {
        appendRange(out, s, split.tail, s.size());
        out += ',';
    }
}

template <typename Letters> bool hasZeroInitial(const Letters& s)
{
    return isAt(s, 0, 'a') || isAt(s, 0, 'e') || isAt(s, 0, 'o');
}

template <typename Letters>
void spell(Letters& syllable, std::string& decomposition, std::string& history)
{
    if (hasZeroInitial(syllable)) {
        appendDecomposition(decomposition, syllable, Split{0, syllable.size()});
        return;
    }
    normalize(syllable);
    appendRange(history, syllable, 0, syllable.size());
    history += "\r\n";
    appendDecomposition(decomposition, syllable, decompose(syllable));
}

bool isAscii(std::string_view piece)
{
    return std::all_of(piece.begin(), piece.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

void SyllableSpeller::append(std::string_view piece, std::string& decomposition,
                             std::string& history)
{
    if (isAscii(piece)) {
        m_letters.assign(piece);
        spell(m_letters, decomposition, history);
    } else {
        SplitGb18030Characters(piece, m_characters);
        spell(m_characters, decomposition, history);
    }
}

} // namespace tavenor
