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

// Sixteen bits of a key, so that a step of the scan compares many rows at once: a row whose
// fingerprint differs cannot match, one whose fingerprint is equal is compared in full. A row of
// another key gets through only where the fingerprints collide, which sixteen bits make rarer
// than eight.
std::uint16_t fingerprintOf(std::uint32_t key) noexcept
{
    return static_cast<std::uint16_t>((key * 0x9E3779B1u) >> 16);
}

// One bit for each of sixteen rows whose fingerprint is equal, the first row in the lowest bit.
std::uint64_t equalFingerprints(const std::uint16_t* sixteen, std::uint16_t fingerprint) noexcept
{
#if defined(__SSE2__) || defined(_M_X64)
    const __m128i wanted = _mm_set1_epi16(static_cast<short>(fingerprint));
    const auto eight = [&wanted](const std::uint16_t* at) {
        return _mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), wanted);
    };
    return static_cast<unsigned>(
        _mm_movemask_epi8(_mm_packs_epi16(eight(sixteen), eight(sixteen + 8))));
#else
    std::uint64_t bits = 0;
    for (unsigned i = 0; i < 16; ++i)
        bits |= std::uint64_t{sixteen[i] == fingerprint} << i;
    return bits;
#endif
}

} // namespace

std::size_t SyllableTable::firstEqualKey(std::size_t from, std::uint32_t key) const noexcept
{
    static_assert(kPaddingKey != kOtherKey && kPaddingKey >= 1u << 30, "no text has this key");
    const std::uint16_t fingerprint = fingerprintOf(key);
    // Sixty-four rows a step, so that the scan tests its candidates once for every sixty-four
    // rows; the padding after the last row lets every step read whole.
    for (std::size_t i = from; i < size(); i += kScanStep) {
        const std::uint16_t* step = m_fingerprints.data() + i;
        std::uint64_t candidates = equalFingerprints(step, fingerprint)
            | equalFingerprints(step + 16, fingerprint) << 16
            | equalFingerprints(step + 32, fingerprint) << 32
            | equalFingerprints(step + 48, fingerprint) << 48;
        for (; candidates != 0; candidates &= candidates - 1) {
            const std::size_t row = i + static_cast<std::size_t>(std::countr_zero(candidates));
            if (m_keys[row] == key)
                return row;
        }
    }
    return size();
}

void SyllableTable::insert(std::size_t index, SyllableRecord record)
{
    const auto at = static_cast<std::ptrdiff_t>(std::min(index, size()));
    const std::uint32_t key = packedKey(record.pinyin);
    m_keys.insert(m_keys.begin() + at, key);
    m_fingerprints.insert(m_fingerprints.begin() + at, fingerprintOf(key));
    m_records.insert(m_records.begin() + at, std::move(record));
}

RowNumber SyllableTable::findFirstRow(std::string_view pinyin) const noexcept
{
    const std::uint32_t key = packedKey(pinyin);
    std::size_t i = firstEqualKey(0, key);
    if (key == kOtherKey) {
        while (i < size() && m_records[i].pinyin != pinyin)
            i = firstEqualKey(i + 1, key);
    }
    return i < size() ? static_cast<RowNumber>(i) : kNoRow;
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
