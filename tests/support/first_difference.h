#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

namespace tavenor::testing {

// Where two long texts first differ, with a short excerpt of each from just before there (bytes
// outside printable ASCII escaped), so that a failed comparison of megabytes reads in one line.
// Empty when they are the same: EXPECT_EQ(FirstDifference(ours, expected), "").
inline std::string FirstDifference(std::string_view actual, std::string_view expected)
{
    if (actual == expected)
        return {};
    const std::size_t at = static_cast<std::size_t>(
        std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end()).first
        - actual.begin());
    const std::size_t from = at > 16 ? at - 16 : 0;
    const auto excerpt = [from](std::string_view text) {
        std::string shown = "\"";
        for (const char c : text.substr(std::min(from, text.size()), 40)) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
                shown += c;
            } else {
                char escaped[5];
                std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
                shown += escaped;
            }
        }
        return shown + "\"";
    };
    return "first difference at byte " + std::to_string(at) + " (of "
        + std::to_string(actual.size()) + " and " + std::to_string(expected.size())
        + "), from byte " + std::to_string(from) + ": " + excerpt(actual) + " against "
        + excerpt(expected);
}

} // namespace tavenor::testing
