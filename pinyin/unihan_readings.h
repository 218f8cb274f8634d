#pragma once

#include <cstddef>
#include <string_view>

namespace tavenor {

// The built-in readings: for each ideograph that Unicode's Unihan database gives a Mandarin
// reading for (kMandarin, its first value), that reading as GB18030 bytes with tone marks.

// The reading of one whole GB18030 character, or empty when it has none. Any bytes are safe.
std::string_view FindUnihanReading(std::string_view character) noexcept;

// How many characters have a reading.
std::size_t UnihanReadingCount() noexcept;

} // namespace tavenor
