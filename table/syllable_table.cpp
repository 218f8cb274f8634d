#include "table/syllable_table.h"

#include "table/syllable_table_text.h"
#include "text/cut_text.h"

#include <algorithm>

namespace tavenor {
namespace {

// A pinyin of up to six lowercase letters, as every syllable is, packs into one integer: five
// bits a letter, a to z as 1 to 26, so that two keys are equal exactly when their texts are. Any
// other text has kOtherKey and is compared as a text; no packed key equals it.
constexpr std::uint32_t kOtherKey = ~std::uint32_t{0};

std::uint32_t packedKey(std::string_view pinyin) noexcept
{
    if (pinyin.size() > 6)
        return kOtherKey;
    std::uint32_t key = 0;
    for (const char c : pinyin) {
        if (c < 'a' || c > 'z')
            return kOtherKey;
        key = key << 5 | static_cast<std::uint32_t>(c - 'a' + 1);
    }
    return key;
}

// Sixteen bits of a key, so that each step of the scan compares twice as many rows: a row whose
// fingerprint differs cannot match, one whose fingerprint is equal is compared in full.
std::uint16_t fingerprintOf(std::uint32_t key) noexcept
{
    return static_cast<std::uint16_t>((key * 0x9E3779B1u) >> 16);
}

// The index of the first of keys equal to key, or count. Thirty-two rows a step, their
// fingerprints counted together so that the compiler may compare them side by side; a step that
// finds any is then read row by row. A piece that matches no row reads all 409.
std::size_t firstEqual(const std::uint32_t* keys, const std::uint16_t* fingerprints,
                       std::size_t count, std::uint32_t key) noexcept
{
    constexpr std::size_t kStep = 32;
    const std::uint16_t fingerprint = fingerprintOf(key);
    std::size_t i = 0;
    for (; i + kStep <= count; i += kStep) {
        std::uint16_t matches = 0;
        // Kept a loop, so that the compiler makes it one comparison of many rows at once.
#pragma GCC unroll 1
        for (std::size_t j = 0; j < kStep; ++j)
            matches = static_cast<std::uint16_t>(matches + (fingerprints[i + j] == fingerprint));
        if (matches == 0)
            continue;
        for (std::size_t j = i; j < i + kStep; ++j) {
            if (keys[j] == key)
                return j;
        }
    }
    for (; i < count; ++i) {
        if (keys[i] == key)
            return i;
    }
    return count;
}

} // namespace

void SyllableTable::insert(std::size_t index, SyllableRecord record)
{
    const auto at = static_cast<std::ptrdiff_t>(std::min(index, size()));
    const std::uint32_t key = packedKey(record.pinyin);
    m_keys.insert(m_keys.begin() + at, key);
    m_fingerprints.insert(m_fingerprints.begin() + at, fingerprintOf(key));
    m_records.insert(m_records.begin() + at, std::move(record));
}

const SyllableRecord* SyllableTable::findFirst(std::string_view pinyin) const noexcept
{
    const std::uint32_t key = packedKey(pinyin);
    const auto firstFrom = [this, key](std::size_t from) {
        return from
            + firstEqual(m_keys.data() + from, m_fingerprints.data() + from, size() - from, key);
    };
    std::size_t i = firstFrom(0);
    if (key == kOtherKey) {
        while (i < size() && m_records[i].pinyin != pinyin)
            i = firstFrom(i + 1);
    }
    return i < size() ? &m_records[i] : nullptr;
}

void LoadSyllableTable(SyllableTable& table, std::string_view text)
{
    const std::vector<std::string_view> rows = CutText(text, "\r\n");
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const std::vector<std::string_view> fields = CutText(rows[k], "=");
        const auto field = [&fields](std::size_t i) {
            return i < fields.size() ? std::string(fields[i]) : std::string();
        };
        table.insert(k, SyllableRecord{field(0), field(1), field(2)});
    }
}

void LoadSyllableTable(SyllableTable& table) { LoadSyllableTable(table, SyllableTableText); }

} // namespace tavenor
