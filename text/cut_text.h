#pragma once

#include <string_view>
#include <vector>

namespace tavenor {

// The pieces between separators, in order. A separator at the very end starts no further piece,
// and an empty text gives no pieces; empty pieces elsewhere are kept.
std::vector<std::string_view> CutText(std::string_view text, std::string_view separator);

} // namespace tavenor
