#include "romaji/convert_pinyin_text.h"

#include "romaji/pinyin_pieces.h"
#include "text/gb18030_characters.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tavenor {
namespace {

// A syllable is worked on as a run of letters. A piece of ASCII, as nearly every piece is, is
// kept as its bytes; any other piece as its GB18030 characters, so that a Chinese character
// typed into the box counts as one letter and is never cut in half.
using Characters = std::vector<std::string_view>;

constexpr std::string_view kLineBreak = "\r\n";

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

// The decomposition of one syllable, and its history line unless it has a zero initial.
template <typename Letters> void spell(Letters& syllable, RomajiTexts& texts)
{
    if (hasZeroInitial(syllable)) {
        appendDecomposition(texts.decomposition, syllable, Split{0, syllable.size()});
        return;
    }
    normalize(syllable);
    appendRange(texts.history, syllable, 0, syllable.size());
    texts.history += kLineBreak;
    appendDecomposition(texts.decomposition, syllable, decompose(syllable));
}

bool isAscii(std::string_view piece)
{
    return std::all_of(piece.begin(), piece.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

RomajiTexts ConvertPinyinText(std::string_view pinyinText, const SyllableTable& table)
{
    RomajiTexts texts;
    ConvertPinyinText(pinyinText, table, texts);
    return texts;
}

void ConvertPinyinText(std::string_view pinyinText, const SyllableTable& table, RomajiTexts& texts)
{
    texts.decomposition.clear();
    texts.romaji.clear();
    texts.final.clear();
    texts.history.clear();
    // Room for any syllable and its rewrites, so that pieces seldom allocate.
    std::string letters;
    letters.reserve(16);
    Characters characters;
    characters.reserve(16);
    ForEachPinyinPiece(pinyinText, [&](std::string_view piece) {
        if (isAscii(piece)) {
            letters.assign(piece);
            spell(letters, texts);
        } else {
            SplitGb18030Characters(piece, characters);
            spell(characters, texts);
        }
        // The lookup uses the piece as typed; the normalized syllable only feeds the history and
        // the decomposition.
        const SyllableRecord* row = table.findFirst(piece);
        texts.romaji += row ? std::string_view(row->romaji) : std::string_view("?");
        texts.romaji += " , ";
        AppendFinalLine(row, texts.final);
    });
}

void AppendFinalLine(const SyllableRecord* row, std::string& finalText)
{
    finalText += row ? std::string_view(row->phonemes) : std::string_view("?");
    finalText += kLineBreak;
}

} // namespace tavenor
