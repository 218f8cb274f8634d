#include "table/syllable_table.h"

#include "table/syllable_table_text.h"
#include "text/cut_text.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

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

// Eight bits of a key, one byte a row, so that one instruction compares sixteen rows: a row whose
// fingerprint differs cannot match, one whose fingerprint is equal is compared in full.
std::uint8_t fingerprintOf(std::uint32_t key) noexcept
{
    return static_cast<std::uint8_t>((key * 0x9E3779B1u) >> 24);
}

// The index of the first of keys equal to key, or count. A piece that matches no row reads all
// 409 fingerprints, sixteen at a time where the processor compares bytes side by side.
std::size_t firstEqual(const std::uint32_t* keys, const std::uint8_t* fingerprints,
                       std::size_t count, std::uint32_t key) noexcept
{
    const std::uint8_t fingerprint = fingerprintOf(key);
    std::size_t i = 0;
#if defined(__SSE2__) || defined(_M_X64)
    const __m128i wanted = _mm_set1_epi8(static_cast<char>(fingerprint));
    for (; i + 16 <= count; i += 16) {
        const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i*>(fingerprints + i));
        // One bit a row whose fingerprint is equal, the first row in the lowest bit.
        auto candidates = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(sixteen, wanted)));
        for (; candidates != 0; candidates &= candidates - 1) {
            const std::size_t row = i + static_cast<std::size_t>(std::countr_zero(candidates));
            if (keys[row] == key)
                return row;
        }
    }
#endif
    for (; i < count; ++i) {
        if (fingerprints[i] == fingerprint && keys[i] == key)
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
