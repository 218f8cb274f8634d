#include "romaji/missing_syllables.h"

#include "romaji/pinyin_pieces.h"

#include <algorithm>

namespace tavenor {

void MissingSyllables::add(std::string_view piece)
{
    if (!m_seen.insert(piece).second)
        return;
    if (m_named.size() < m_namedAtMost)
        m_named.push_back(piece);
}

void MissingSyllables::clear()
{
    // Clearing an empty set still visits its buckets, and most lines have none to forget.
    if (m_seen.empty())
        return;
    m_named.clear();
    m_seen.clear();
}

void FindMissingSyllables(std::string_view pinyinText, std::string_view finalText,
                          const SyllableTable& table, MissingSyllables& missing)
{
    ForEachPinyinPiece(pinyinText, [&](std::string_view piece) {
        // The final text has one line a piece, in order; only a piece whose line is "?" may have
        // no row, so only those are looked up again.
        const std::size_t lineEnd = std::min(finalText.find("\r\n"), finalText.size());
        const bool shownAsMissing = finalText.substr(0, lineEnd) == "?";
        finalText.remove_prefix(std::min(lineEnd + 2, finalText.size()));
        if (shownAsMissing && !table.findFirst(piece))
            missing.add(piece);
    });
}

// Looks for the rare "?" rather than for the line breaks, which stand on every line.
bool ShowsMissingSyllable(std::string_view finalText)
{
    for (std::size_t at = finalText.find('?'); at != std::string_view::npos;
         at = finalText.find('?', at + 1)) {
        if ((at == 0 || finalText[at - 1] == '\n') && finalText.substr(at + 1).starts_with("\r\n"))
            return true;
    }
    return false;
}

} // namespace tavenor
