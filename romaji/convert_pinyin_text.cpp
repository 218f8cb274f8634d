#include "romaji/convert_pinyin_text.h"

#include "romaji/pinyin_pieces.h"
#include "romaji/syllable_speller.h"

namespace tavenor {

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
    // Room for about the most that a text of this size gives with the built-in table, so that a
    // long text is written once rather than moved each time it outgrows its buffer. Room that is
    // never written costs no memory: the system gives a page when it is first written.
    texts.decomposition.reserve(pinyinText.size() * 3);
    texts.romaji.reserve(pinyinText.size() * 3);
    texts.final.reserve(pinyinText.size() * 12);
    texts.history.reserve(pinyinText.size() * 3);
    SyllableSpeller speller;
    ForEachPinyinPiece(pinyinText, [&](std::string_view piece) {
        speller.append(piece, texts.decomposition, texts.history);
        // The lookup uses the piece as typed; the normalized syllable only feeds the history and
        // the decomposition.
        const SyllableRecord* row = table.findFirst(piece);
        AppendRomajiEntry(row, texts.romaji);
        AppendFinalLine(row, texts.final);
    });
}

void AppendRomajiEntry(const SyllableRecord* row, std::string& romaji)
{
    romaji += row ? std::string_view(row->romaji) : std::string_view("?");
    romaji += " , ";
}

void AppendFinalLine(const SyllableRecord* row, std::string& finalText)
{
    finalText += row ? std::string_view(row->phonemes) : std::string_view("?");
    finalText += "\r\n";
}

} // namespace tavenor
