#include "romaji/convert_pinyin_text.h"

#include "romaji/pinyin_pieces.h"
#include "text/gb18030_characters.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tavenor {
namespace {

using Characters = std::vector<std::string_view>;

constexpr std::string_view kLineBreak = "\r\n";

// Character i (from 0) is the one-byte letter c; past the end nothing matches.
bool isAt(const Characters& s, std::size_t i, char c)
{
    return i < s.size() && s[i].size() == 1 && s[i][0] == c;
}

bool isMedial(const Characters& s, std::size_t i) { return isAt(s, i, 'i') || isAt(s, i, 'u'); }

bool endsWith(const Characters& s, char a, char b)
{
    return s.size() >= 2 && isAt(s, s.size() - 2, a) && isAt(s, s.size() - 1, b);
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

// Spells out the contracted finals and the u that stands for u-umlaut after j, q and x, in this
// order: "jun" becomes "juen", then "jven".
void normalize(Characters& s)
{
    struct Suffix {
        char a, b;
        std::array<std::string_view, 3> full;
    };
    static constexpr std::array<Suffix, 3> suffixes{{
        {'u', 'i', {"u", "e", "i"}},
        {'i', 'u', {"i", "o", "u"}},
        {'u', 'n', {"u", "e", "n"}},
    }};
    for (const Suffix& rule : suffixes) {
        if (endsWith(s, rule.a, rule.b)) {
            s.resize(s.size() - 2);
            s.insert(s.end(), rule.full.begin(), rule.full.end());
        }
    }
    for (const char initial : {'j', 'q', 'x'}) {
        if (isAt(s, 0, initial) && isAt(s, 1, 'u'))
            s[1] = "v";
    }
}

// Where the head and the tail start in a normalized syllable of a consonant initial.
struct Split {
    std::size_t head, tail;
};

Split decompose(const Characters& s)
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

void appendDecomposition(std::string& out, const Characters& s, Split split)
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

bool hasZeroInitial(const Characters& s)
{
    return isAt(s, 0, 'a') || isAt(s, 0, 'e') || isAt(s, 0, 'o');
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
    Characters syllable;
    syllable.reserve(16);
    ForEachPinyinPiece(pinyinText, [&](std::string_view piece) {
        SplitGb18030Characters(piece, syllable);
        if (hasZeroInitial(syllable)) {
            appendDecomposition(texts.decomposition, syllable, Split{0, syllable.size()});
        } else {
            normalize(syllable);
            appendRange(texts.history, syllable, 0, syllable.size());
            texts.history += kLineBreak;
            appendDecomposition(texts.decomposition, syllable, decompose(syllable));
        }
        // The lookup uses the piece as typed; the normalized syllable only feeds the history and
        // the decomposition.
        const SyllableRecord* row = table.findFirst(piece);
        texts.romaji += row ? std::string_view(row->romaji) : std::string_view("?");
        texts.romaji += " , ";
        texts.final += row ? std::string_view(row->phonemes) : std::string_view("?");
        texts.final += kLineBreak;
    });
}

} // namespace tavenor
