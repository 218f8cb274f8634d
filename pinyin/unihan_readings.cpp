#include "pinyin/unihan_readings.h"

#include <algorithm>
#include <cstdint>
#include <functional>
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

// The lookups index without further checks, so the generated data is checked here.
constexpr bool isReadingNumber(std::uint16_t number) { return number < std::size(kReadingEnd); }
static_assert(kReadingEnd[0] == 0 && kReadingEnd[std::size(kReadingEnd) - 1] == kReadingText.size());
static_assert(std::ranges::is_sorted(kReadingEnd));
static_assert(std::ranges::all_of(kTwoByteReading, isReadingNumber));
static_assert(std::ranges::all_of(kFourByteReading, isReadingNumber));
static_assert(std::ranges::adjacent_find(kFourByteKey, std::greater_equal<>()) == std::end(kFourByteKey));
static_assert(std::size(kFourByteKey) == std::size(kFourByteReading));

constexpr std::size_t kTwoByteCount = static_cast<std::size_t>(
    std::ranges::count_if(kTwoByteReading, [](std::uint16_t number) { return number != 0; }));

} // namespace

std::string_view FindUnihanReading(std::string_view character) noexcept
{
    switch (character.size()) {
    case 2: return readingNumbered(twoByteReading(character));
    case 4: return readingNumbered(fourByteReading(character));
    default: return {};
    }
}

std::size_t UnihanReadingCount() noexcept
{
    return kTwoByteCount + std::size(kFourByteKey);
}

} // namespace tavenor
