#pragma once

#include <cstddef>
#include <string_view>

namespace tavenor::testing {

// Non-overlapping occurrences of what in text.
inline std::size_t CountOccurrences(std::string_view text, std::string_view what)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string_view::npos;
         at = text.find(what, at + what.size()))
        ++count;
    return count;
}

} // namespace tavenor::testing
