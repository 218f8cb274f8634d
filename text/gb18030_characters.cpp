#include "text/gb18030_characters.h"

namespace tavenor {

std::vector<std::string_view> SplitGb18030Characters(std::string_view text)
{
    std::vector<std::string_view> characters;
    characters.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = Gb18030CharacterLength(text);
        characters.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return characters;
}

} // namespace tavenor
