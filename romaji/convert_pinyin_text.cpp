#include "romaji/convert_pinyin_text.h"

#include "romaji/piece_parts.h"
#include "romaji/pinyin_pieces.h"

namespace tavenor {

RomajiTexts ConvertPinyinText(std::string_view pinyinText, const SyllableTable& table)
{
    RomajiTexts texts;
    // Room for about the most that a text of this size gives with the built-in table, so that a
    // long text is written once rather than moved each time it outgrows its buffer.
    texts.decomposition.reserve(pinyinText.size() * 3);
    texts.romaji.reserve(pinyinText.size() * 3);
    texts.final.reserve(pinyinText.size() * 12);
    texts.history.reserve(pinyinText.size() * 3);
    SyllableSpeller speller;
    ForEachPinyinPiece(pinyinText, [&](std::string_view piece) {
        AppendPieceParts(piece, table.findFirst(piece), speller, texts);
    });
    return texts;
}

} // namespace tavenor
