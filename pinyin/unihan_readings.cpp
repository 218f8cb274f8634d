#include "pinyin/unihan_readings.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace tavenor {
namespace {

#include "pinyin/data/unihan_readings.inc"

unsigned byteAt(std::string_view bytes, std::size_t index)
{
    return static_cast<unsigned char>(bytes[index]);
}

std::string_view readingNumbered(unsigned number)
{
    if (number == 0)
        return {};
    const std::size_t begin = kReadingEnd[number - 1];
    const std::size_t end = kReadingEnd[number];
    return kReadingText.substr(begin, end - begin);
}

unsigned twoByteReading(std::string_view character)
{
    const unsigned lead = byteAt(character, 0);
    const unsigned trail = byteAt(character, 1);
    if (lead < kFirstLead || trail < kFirstTrail || trail >= kFirstTrail + kTrailCount)
        return 0;
    const std::size_t index = (lead - kFirstLead) * kTrailCount + (trail - kFirstTrail);
    return index < std::size(kTwoByteReading) ? kTwoByteReading[index] : 0;
}

unsigned fourByteReading(std::string_view character)
{
    const std::uint32_t key = byteAt(character, 0) << 24 | byteAt(character, 1) << 16
        | byteAt(character, 2) << 8 | byteAt(character, 3);
    const auto found = std::lower_bound(std::begin(kFourByteKey), std::end(kFourByteKey), key);
    if (found == std::end(kFourByteKey) || *found != key)
        return 0;
    return kFourByteReading[static_cast<std::size_t>(found - std::begin(kFourByteKey))];
}

// The lookups index without further checks, so the generated data is checked here. Plain loops:
// the standard algorithms take too many steps for some compilers' constant evaluation.
template <typename Array> constexpr bool allReadingNumbers(const Array& numbers)
{
    for (const std::uint16_t number : numbers) {
        if (number >= std::size(kReadingEnd))
            return false;
    }
    return true;
}

template <typename Array> constexpr bool strictlyAscending(const Array& values)
{
    for (std::size_t i = 1; i < std::size(values); ++i) {
        if (values[i - 1] >= values[i])
            return false;
    }
    return true;
}

static_assert(kReadingEnd[0] == 0
              && kReadingEnd[std::size(kReadingEnd) - 1] == kReadingText.size());
static_assert(strictlyAscending(kReadingEnd));
static_assert(allReadingNumbers(kTwoByteReading));
static_assert(allReadingNumbers(kFourByteReading));
static_assert(strictlyAscending(kFourByteKey));
static_assert(std::size(kFourByteKey) == std::size(kFourByteReading));

template <typename Array> constexpr std::size_t countReadings(const Array& numbers)
{
    std::size_t count = 0;
    for (const std::uint16_t number : numbers) {
        if (number != 0)
            ++count;
    }
    return count;
}
constexpr std::size_t kTwoByteCount = countReadings(kTwoByteReading);

} // namespace

std::string_view FindUnihanReading(std::string_view character) noexcept
{
    switch (character.size()) {
    case 2: return readingNumbered(twoByteReading(character));
    case 4: return readingNumbered(fourByteReading(character));
    default: return {};
    }
}

std::size_t UnihanReadingCount() noexcept { return kTwoByteCount + std::size(kFourByteKey); }

} // namespace tavenor
