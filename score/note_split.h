#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace tavenor {

// The lengths of a note of `length` ticks split into `parts` notes: each later part is
// T = min(tail, length div parts) long, and the first keeps length - (parts - 1) T, so that
// every part after it ends where the note ended.
struct SplitLengths {
    std::int64_t first;
    std::int64_t eachLater;
};

// Nothing when the note is too short to give each part a tick (length < parts). A tail below
// one tick is taken as one.
std::optional<SplitLengths> SplitNote(std::int64_t length, std::size_t parts,
                                      std::int64_t tail) noexcept;

} // namespace tavenor
