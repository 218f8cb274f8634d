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

// The index of the first of keys equal to key, or count. Thirty-two keys a step, counted together
// so that the compiler may compare them side by side: a piece that matches no row reads all 409.
std::size_t firstEqual(const std::uint32_t* keys, std::size_t count, std::uint32_t key) noexcept
{
    constexpr std::size_t kStep = 32;
    std::size_t i = 0;
    for (; i + kStep <= count; i += kStep) {
        unsigned matches = 0;
        // Kept a loop, so that the compiler makes it one comparison of many keys at once.
#pragma GCC unroll 1
        for (std::size_t j = 0; j < kStep; ++j)
            matches += keys[i + j] == key ? 1 : 0;
        if (matches != 0)
            break;
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
    m_keys.insert(m_keys.begin() + at, packedKey(record.pinyin));
    m_records.insert(m_records.begin() + at, std::move(record));
}

const SyllableRecord* SyllableTable::findFirst(std::string_view pinyin) const noexcept
{
    const std::uint32_t key = packedKey(pinyin);
    std::size_t i = firstEqual(m_keys.data(), m_keys.size(), key);
    if (key == kOtherKey) {
        while (i < size() && m_records[i].pinyin != pinyin)
            i = i + 1 + firstEqual(m_keys.data() + i + 1, size() - i - 1, key);
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
