#include "score/note_split.h"

#include <algorithm>

namespace tavenor {

std::optional<SplitLengths> SplitNote(std::int64_t length, std::size_t parts,
                                      std::int64_t tail) noexcept
{
    if (parts == 0)
        return std::nullopt;
    const auto k = static_cast<std::int64_t>(parts);
    if (length < k)
        return std::nullopt;
    const std::int64_t each = std::min(std::max<std::int64_t>(tail, 1), length / k);
    return SplitLengths{length - (k - 1) * each, each};
}

} // namespace tavenor
