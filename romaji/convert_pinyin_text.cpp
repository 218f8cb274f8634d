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
