#include "romaji/row_index.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace tavenor {
namespace {

// Up to seven bytes of a pinyin and its length in one integer, the first byte lowest: two pinyin
// of up to seven bytes are equal exactly when their keys are, and only the empty one has key 0.
// A longer one keeps its first seven bytes and the length 255, and is compared as a text.
constexpr std::size_t kKeyBytes = 7;

template <typename Word> std::uint64_t wordAt(const char* bytes) noexcept
{
    Word word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

std::uint64_t keyOf(std::string_view pinyin) noexcept
{
    const std::size_t size = pinyin.size();
    const std::uint64_t length = std::uint64_t{size <= kKeyBytes ? size : 255} << 56;
    const char* bytes = pinyin.data();
    if constexpr (std::endian::native == std::endian::little) {
        // The first and the last bytes of a short pinyin read as two words that may overlap, in
        // place of a step for each byte: where they overlap they hold the same bytes.
        const std::size_t whole = std::min(size, kKeyBytes);
        if (whole >= 4)
            return length | wordAt<std::uint32_t>(bytes)
                | wordAt<std::uint32_t>(bytes + whole - 4) << (8 * (whole - 4));
        if (whole >= 2)
            return length | wordAt<std::uint16_t>(bytes)
                | wordAt<std::uint16_t>(bytes + whole - 2) << (8 * (whole - 2));
        return length | (whole == 1 ? std::uint64_t{static_cast<unsigned char>(bytes[0])} : 0);
    }
    std::uint64_t key = length;
    for (std::size_t i = 0; i < std::min(size, kKeyBytes); ++i)
        key |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
    return key;
}

bool keyIsWhole(std::uint64_t key) noexcept { return key >> 56 != 255; }

} // namespace

RowIndex::RowIndex(const SyllableTable& table)
    : m_table(table)
{
    const std::size_t slots = std::bit_ceil(std::max<std::size_t>(table.size() * 2, 16));
    m_keys.resize(slots);
    m_rows.resize(slots, SyllableTable::kNoRow);
    m_shift = static_cast<unsigned>(64 - std::countr_zero(slots));
    for (std::size_t k = 0; k < table.size(); ++k) {
        const std::string_view pinyin = table[k].pinyin;
        if (pinyin.empty() || find(pinyin) != SyllableTable::kNoRow)
            continue;
        const std::uint64_t key = keyOf(pinyin);
        std::size_t i = firstSlot(key);
        while (m_keys[i] != 0)
            i = (i + 1) & (slots - 1);
        m_keys[i] = key;
        m_rows[i] = static_cast<RowNumber>(k);
    }
}

std::size_t RowIndex::firstSlot(std::uint64_t key) const noexcept
{
    return (key * 0x9E3779B97F4A7C15u) >> m_shift;
}

RowNumber RowIndex::find(std::string_view pinyin) const noexcept
{
    const std::uint64_t key = keyOf(pinyin);
    for (std::size_t i = firstSlot(key);; i = (i + 1) & (m_keys.size() - 1)) {
        if (m_keys[i] == 0)
            return SyllableTable::kNoRow;
        if (m_keys[i] == key && (keyIsWhole(key) || m_table[m_rows[i]].pinyin == pinyin))
            return m_rows[i];
    }
}

} // namespace tavenor
