#pragma once

#include <string>
#include <vector>

namespace tavenor::testing {

struct EncodedCharacter {
    char32_t codePoint;
    std::string bytes;
};

// Every code point where ideographs live (〇, CJK Unified Ideographs and Extension A, the
// compatibility ideographs, planes 2 and 3), each encoded by the program's own codec, as the
// user would type it. Empty if the codec does not give one character per code point.
std::vector<EncodedCharacter> EncodeIdeographCodePoints();

} // namespace tavenor::testing
