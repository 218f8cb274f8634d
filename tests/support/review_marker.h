#pragma once

#include <string>

namespace tavenor::testing {

// The review marker that ends many rows' phonemes: "←------此读音需改变", as the core holds it
// (GBK) and as the command line prints it (UTF-8).
inline const std::string kReviewMarker
    = "\xA1\xFB------\xB4\xCB\xB6\xC1\xD2\xF4\xD0\xE8\xB8\xC4\xB1\xE4";
inline const std::string kReviewMarkerUtf8 = "←------此读音需改变";

} // namespace tavenor::testing
