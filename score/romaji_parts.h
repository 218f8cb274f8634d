#pragma once

#include <string_view>
#include <vector>

namespace tavenor {

// The parts of a row's romaji field, which holds them separated by blanks ("chi a n").
std::vector<std::string_view> RomajiParts(std::string_view romaji);

} // namespace tavenor
