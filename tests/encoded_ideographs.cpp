#include "encoded_ideographs.h"

#include "codec/gb18030_codec.h"
#include "tests/support/split_gb18030_characters.h"

namespace tavenor::testing {

std::vector<EncodedCharacter> EncodeIdeographCodePoints()
{
    struct Range {
        char32_t first;
        char32_t last;
    };
    constexpr Range kRanges[] = {
        {0x3007, 0x3007}, {0x3400, 0x4DBF}, {0x4E00, 0x9FFF}, {0xF900, 0xFAFF}, {0x20000, 0x3FFFF}};

    std::vector<char32_t> codePoints;
    for (const Range& range : kRanges) {
        for (char32_t c = range.first; c <= range.last; ++c)
            codePoints.push_back(c);
    }
    // One pass through the codec: a converter per character would take seconds.
    const std::string bytes = ToGb18030(
        QString::fromUcs4(codePoints.data(), static_cast<qsizetype>(codePoints.size())));
    const std::vector<std::string_view> characters = SplitGb18030Characters(bytes);
    std::vector<EncodedCharacter> encoded;
    if (characters.size() != codePoints.size())
        return encoded;
    encoded.reserve(codePoints.size());
    for (std::size_t i = 0; i < codePoints.size(); ++i)
        encoded.push_back({codePoints[i], std::string(characters[i])});
    return encoded;
}

} // namespace tavenor::testing
