#include "romaji/missing_syllables.h"

#include "romaji/pinyin_pieces.h"

#include <unordered_set>

namespace tavenor {

MissingSyllables FindMissingSyllables(std::string_view pinyinText, const SyllableTable& table,
                                      std::size_t limit)
{
    MissingSyllables missing;
    std::unordered_set<std::string_view> seen;
    ForEachPinyinPiece(pinyinText, [&](std::string_view piece) {
        if (table.findFirst(piece) || !seen.insert(piece).second)
            return;
        if (missing.first.size() < limit)
            missing.first.push_back(piece);
        ++missing.count;
    });
    return missing;
}

bool ShowsMissingSyllable(std::string_view finalText)
{
    return finalText.starts_with("?\r\n") || finalText.find("\n?\r\n") != std::string_view::npos;
}

} // namespace tavenor
