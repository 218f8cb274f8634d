#pragma once

#include <cstddef>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tavenor {

// The pieces of a pinyin-box text that no row of the table matches, each named once: the first
// few by name, in order of first appearance, and how many there are in all.
class MissingSyllables {
public:
    explicit MissingSyllables(std::size_t namedAtMost)
        : m_namedAtMost(namedAtMost)
    {
    }

    // A piece that has no row, in text order; a piece seen before counts once.
    void add(std::string_view piece);

    // Forgets all pieces, so that the next text starts afresh.
    void clear();

    const std::vector<std::string_view>& named() const noexcept { return m_named; }
    std::size_t count() const noexcept { return m_seen.size(); }

private:
    std::size_t m_namedAtMost;
    std::vector<std::string_view> m_named;
    std::unordered_set<std::string_view> m_seen;
};

} // namespace tavenor
