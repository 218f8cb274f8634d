#include "romaji/missing_syllables.h"

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

} // namespace tavenor
