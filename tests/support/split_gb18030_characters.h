#pragma once

#include "text/gb18030_characters.h"

#include <string_view>
#include <vector>

namespace tavenor::testing {

// The text cut into its characters, in order, by the core's own rule.
inline std::vector<std::string_view> SplitGb18030Characters(std::string_view text)
{
    std::vector<std::string_view> characters;
    while (!text.empty()) {
        const std::size_t length = Gb18030CharacterLength(text);
        characters.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return characters;
}

} // namespace tavenor::testing
