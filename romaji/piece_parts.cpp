#include "romaji/piece_parts.h"

namespace tavenor {

void AppendPieceParts(std::string_view piece, const SyllableRecord* row, SyllableSpeller& speller,
                      RomajiTexts& texts)
{
    speller.append(piece, texts.decomposition, texts.history);
    texts.romaji += row ? std::string_view(row->romaji) : std::string_view("?");
    texts.romaji += " , ";
    texts.final += row ? std::string_view(row->phonemes) : std::string_view("?");
    texts.final += "\r\n";
}

} // namespace tavenor
