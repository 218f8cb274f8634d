#pragma once

#include <string_view>

namespace tavenor {

// 409 rows "pinyin=romaji=phonemes", each followed by CR LF, in GBK. Some phonemes end with a
// review marker that the user is meant to see.
extern const std::string_view SyllableTableText;

} // namespace tavenor
