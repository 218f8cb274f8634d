#include "romaji/syllable_speller.h"

#include "text/gb18030_characters.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tavenor {
namespace {

using Characters = SyllableSpeller::Characters;

// Copies count bytes in blocks of eight, which the compiler turns into moves rather than a call;
// the last block may run past the end, into room that both sides keep for it.
constexpr std::size_t kBlock = 8;

void copyInBlocks(const char* from, std::size_t count, char* to) noexcept
{
    for (std::size_t i = 0; i < count; i += kBlock)
        std::memcpy(to + i, from + i, kBlock);
}

// A piece of ASCII, as nearly every piece is, short enough to be spelled out on the stack: its
// letters, with room for the one that a rewrite adds.
class ShortSyllable {
public:
    static constexpr std::size_t kMaxLetters = 32;

    explicit ShortSyllable(std::string_view piece) noexcept
        : m_size(piece.size())
    {
        std::copy(piece.begin(), piece.end(), m_letters.begin());
    }

    std::size_t size() const noexcept { return m_size; }
    char operator[](std::size_t i) const noexcept { return m_letters[i]; }
    const char* data() const noexcept { return m_letters.data(); }

    void replaceLastTwo(std::string_view full) noexcept
    {
        std::copy(full.begin(), full.end(),
                  m_letters.begin() + static_cast<std::ptrdiff_t>(m_size - 2));
        m_size += full.size() - 2;
    }

    void writeUmlautAt(std::size_t i) noexcept { m_letters[i] = 'v'; }

private:
    std::array<char, kMaxLetters + 1 + kBlock> m_letters{};
    std::size_t m_size;
};

// The spelling of a short syllable, gathered on the stack so that it goes into its text in one
// append.
class ShortText {
public:
    void append(const char* bytes, std::size_t count) noexcept
    {
        copyInBlocks(bytes, count, m_bytes.data() + m_size);
        m_size += count;
    }
    void push_back(char c) noexcept { m_bytes[m_size++] = c; }
    std::string_view view() const noexcept { return {m_bytes.data(), m_size}; }

private:
    // The syllable and its three commas, or its line break.
    std::array<char, ShortSyllable::kMaxLetters + 1 + 3 + kBlock> m_bytes;
    std::size_t m_size = 0;
};

// The one-byte letter at i (from 0); 0 past the end and for a character of more bytes.
char letterAt(const ShortSyllable& s, std::size_t i) { return i < s.size() ? s[i] : '\0'; }

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

void appendRange(ShortText& out, const ShortSyllable& s, std::size_t from, std::size_t to)
{
    out.append(s.data() + from, std::min(to, s.size()) - from);
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
void replaceLastTwo(ShortSyllable& s, std::string_view full) { s.replaceLastTwo(full); }

void replaceLastTwo(Characters& s, std::string_view full)
{
    s.resize(s.size() - 2);
    for (std::size_t i = 0; i < full.size(); ++i)
        s.push_back(full.substr(i, 1));
}

void writeUmlautAt(ShortSyllable& s, std::size_t i) { s.writeUmlautAt(i); }

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

template <typename Letters, typename Text>
void appendDecomposition(Text& out, const Letters& s, Split split)
{
    if (split.head > 0) {
        appendRange(out, s, 0, split.head);
        out.push_back(',');
    }
    appendRange(out, s, split.head, split.tail);
    out.push_back(',');
    if (split.tail < s.size()) {
        appendRange(out, s, split.tail, s.size());
        out.push_back(',');
    }
}

template <typename Letters> bool hasZeroInitial(const Letters& s)
{
    return isAt(s, 0, 'a') || isAt(s, 0, 'e') || isAt(s, 0, 'o');
}

template <typename Letters, typename Text>
void spell(Letters& syllable, Text& decomposition, Text& history)
{
    if (hasZeroInitial(syllable)) {
        appendDecomposition(decomposition, syllable, Split{0, syllable.size()});
        return;
    }
    normalize(syllable);
    appendRange(history, syllable, 0, syllable.size());
    history.push_back('\r');
    history.push_back('\n');
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
    if (piece.size() <= ShortSyllable::kMaxLetters && isAscii(piece)) {
        ShortSyllable syllable(piece);
        ShortText spelled;
        ShortText historyLine;
        spell(syllable, spelled, historyLine);
        decomposition += spelled.view();
        history += historyLine.view();
    } else {
        SplitGb18030Characters(piece, m_characters);
        spell(m_characters, decomposition, history);
    }
}

} // namespace tavenor
