#include "text/gb18030_characters.h"

namespace tavenor {
namespace {

bool isLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool isDigitByte(unsigned char b) { return b >= 0x30 && b <= 0x39; }
bool isTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFE); }

} // namespace

std::size_t Gb18030CharacterLength(std::string_view text) noexcept
{
    const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    if (!isLeadByte(byte(0)) || text.size() < 2)
        return 1;
    if (isTrailByte(byte(1)))
        return 2;
    if (text.size() >= 4 && isDigitByte(byte(1)) && isLeadByte(byte(2)) && isDigitByte(byte(3)))
        return 4;
    return 1;
}

std::vector<std::string_view> SplitGb18030Characters(std::string_view text)
{
    std::vector<std::string_view> characters;
    SplitGb18030Characters(text, characters);
    return characters;
}

void SplitGb18030Characters(std::string_view text, std::vector<std::string_view>& characters)
{
    characters.clear();
    characters.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = Gb18030CharacterLength(text);
        characters.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
}

} // namespace tavenor
