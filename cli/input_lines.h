#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavenor {

// The whole of a stream, bytes as they are.
std::string ReadAll(std::istream& in);

// Lines ended by LF or CR LF; the last may have no ending, and an empty input has no lines.
// A lone CR stays part of its line.
std::vector<std::string_view> SplitInputLines(std::string_view input);

// "line L, byte B: invalid UTF-8" (both from 1) for the first ill-formed byte, if any.
std::optional<std::string> DescribeInvalidUtf8(const std::vector<std::string_view>& lines);

} // namespace tavenor
