#include "score/romaji_parts.h"

#include <algorithm>

namespace tavenor {

std::vector<std::string_view> RomajiParts(std::string_view romaji)
{
    std::vector<std::string_view> parts;
    while (!romaji.empty()) {
        const std::size_t start = romaji.find_first_not_of(' ');
        if (start == std::string_view::npos)
            break;
        romaji.remove_prefix(start);
        const std::size_t end = std::min(romaji.find(' '), romaji.size());
        parts.push_back(romaji.substr(0, end));
        romaji.remove_prefix(end);
    }
    return parts;
}

} // namespace tavenor
