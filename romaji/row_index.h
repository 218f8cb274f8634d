#pragma once

#include "table/syllable_table.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace tavenor {

// The first row of each distinct pinyin of a table, by hashing: what a batch may keep, since it
// looks up every piece of a long input in the one table. Duplicate rows keep the first. A row of
// empty pinyin is left out: no piece is empty.
class RowIndex {
public:
    explicit RowIndex(const SyllableTable& table);

    // The first row whose pinyin is pinyin, or SyllableTable::kNoRow.
    RowNumber find(std::string_view pinyin) const noexcept;

private:
    std::size_t firstSlot(std::uint64_t key) const noexcept;

    const SyllableTable& m_table;
    // Open addressing, at most half full; a slot's key, 0 when empty, and its row apart, so that
    // the keys that a probe reads stay few cache lines.
    std::vector<std::uint64_t> m_keys;
    std::vector<RowNumber> m_rows;
    unsigned m_shift = 0;
};

} // namespace tavenor
