#pragma once

#include "tests/support/count_occurrences.h"

#include <cstddef>
#include <string_view>

namespace tavenor::fuzz {

using testing::CountOccurrences;

// GB18030 well-formedness written from the encoding's byte ranges, apart from the code under
// test: one byte 00-7F; two bytes 81-FE then 40-7E or 80-FE; four bytes 81-FE, 30-39, 81-FE,
// 30-39.
inline bool IsWellFormedGb18030(std::string_view text)
{
    const auto in = [](char c, unsigned lo, unsigned hi) {
        const auto b = static_cast<unsigned char>(c);
        return b >= lo && b <= hi;
    };
    std::size_t i = 0;
    while (i < text.size()) {
        const std::string_view rest = text.substr(i);
        if (in(rest[0], 0x00, 0x7F)) {
            i += 1;
        } else if (!in(rest[0], 0x81, 0xFE) || rest.size() < 2) {
            return false;
        } else if (in(rest[1], 0x40, 0x7E) || in(rest[1], 0x80, 0xFE)) {
            i += 2;
        } else if (rest.size() >= 4 && in(rest[1], 0x30, 0x39) && in(rest[2], 0x81, 0xFE)
                   && in(rest[3], 0x30, 0x39)) {
            i += 4;
        } else {
            return false;
        }
    }
    return true;
}

} // namespace tavenor::fuzz
