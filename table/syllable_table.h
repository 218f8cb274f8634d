#pragma once

#include "table/syllable_record.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tavenor {

// A row of the table by its place, from 0 for the first row.
using RowNumber = std::uint32_t;

// The application's one piece of state: created empty, filled once by LoadSyllableTable, then
// only read. Order and duplicate rows are kept as loaded, because lookups take the first match.
class SyllableTable {
public:
    using const_iterator = std::vector<SyllableRecord>::const_iterator;

    std::size_t size() const noexcept { return m_records.size(); }
    bool empty() const noexcept { return m_records.empty(); }
    const SyllableRecord& operator[](std::size_t index) const { return m_records[index]; }
    const_iterator begin() const noexcept { return m_records.begin(); }
    const_iterator end() const noexcept { return m_records.end(); }

    // Records at index and above move up by one.
    void insert(std::size_t index, SyllableRecord record);

    // Stands for no row.
    static constexpr RowNumber kNoRow = ~RowNumber{0};

    // The first row whose pinyin equals the key, or kNoRow. The rows are scanned in order from the
    // first, sixty-four a step: a step compares a sixteen-bit fingerprint of each row's key at
    // once, then the whole key of each row whose fingerprint is equal.
    RowNumber findFirstRow(std::string_view pinyin) const noexcept;

    // The same row's record; nullptr for none.
    const SyllableRecord* findFirst(std::string_view pinyin) const noexcept
    {
        const RowNumber row = findFirstRow(pinyin);
        return row == kNoRow ? nullptr : &m_records[row];
    }

private:
    static constexpr std::size_t kScanStep = 64;
    // Past the last row, a step of rows less one that no text matches: six letters take 30 bits.
    static constexpr std::uint32_t kPaddingKey = 0xFFFFFFFE;

    // The index of the first record from from on whose key is key, or size().
    std::size_t firstEqualKey(std::size_t from, std::uint32_t key) const noexcept;

    std::vector<SyllableRecord> m_records;
    // Each record's pinyin packed into one integer, and sixteen bits of it, in record order, so
    // that each step of the scan is a comparison of integers; then the padding.
    std::vector<std::uint32_t> m_keys = std::vector<std::uint32_t>(kScanStep - 1, kPaddingKey);
    std::vector<std::uint16_t> m_fingerprints = std::vector<std::uint16_t>(kScanStep - 1);
};

// Cuts text at CR LF into rows and each row at "=" into fields; row k becomes record k (inserted
// ahead of anything the table already holds). Fields past the third are ignored; missing ones
// are empty.
void LoadSyllableTable(SyllableTable& table, std::string_view text);

// Loads the built-in SyllableTableText.
void LoadSyllableTable(SyllableTable& table);

} // namespace tavenor
