#include "table/syllable_table.h"

#include "table/syllable_table_text.h"
#include "text/cut_text.h"

#include <algorithm>

namespace tavenor {
namespace {

// A pinyin of up to seven bytes is its bytes with its length in the top byte, so that two keys
// are equal exactly when their texts are. Longer ones all share kLongKey and are compared as
// texts; no short key equals it.
constexpr std::uint64_t kLongKey = ~std::uint64_t{0};

std::uint64_t packedKey(std::string_view pinyin) noexcept
{
    if (pinyin.size() > 7)
        return kLongKey;
    std::uint64_t key = std::uint64_t{pinyin.size()} << 56;
    for (std::size_t i = 0; i < pinyin.size(); ++i)
        key |= std::uint64_t{static_cast<unsigned char>(pinyin[i])} << (8 * i);
    return key;
}

// The index of the first of keys equal to key, or count. Four keys a step, tested together:
// a piece that matches no row reads all 409.
std::size_t firstEqual(const std::uint64_t* keys, std::size_t count, std::uint64_t key) noexcept
{
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        if ((keys[i] == key) | (keys[i + 1] == key) | (keys[i + 2] == key) | (keys[i + 3] == key))
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
    const std::uint64_t key = packedKey(pinyin);
    std::size_t i = firstEqual(m_keys.data(), m_keys.size(), key);
    if (key == kLongKey) {
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
