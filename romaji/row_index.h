#pragma once

#include "table/syllable_table.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace tavenor {

// The first row of each distinct pinyin of a table, by hashing: what a batch may keep, since it
// looks up every piece of a long input in the one table. Duplicate rows keep the first.
class RowIndex {
public:
    explicit RowIndex(const SyllableTable& table);

    // The first row whose pinyin is pinyin, or SyllableTable::kNoRow.
    RowNumber find(std::string_view pinyin) const noexcept;

private:
    struct Slot {
        std::uint64_t key = 0;
        RowNumber row = SyllableTable::kNoRow;
    };

    std::size_t firstSlot(std::uint64_t key) const noexcept;

    const SyllableTable& m_table;
    // Open addressing, at most a quarter full, so that a probe seldom goes past its first slot.
    std::vector<Slot> m_slots;
    unsigned m_shift = 0;
};

} // namespace tavenor
