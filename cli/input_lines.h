#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace tavenor {

// The whole of a stream, bytes as they are.
std::string ReadAll(std::istream& in);

// Takes the first line off rest (not empty) and returns it. Lines end with LF or CR LF; the
// last may have no ending, and an empty input has no lines. A lone CR stays part of its line.
std::string_view TakeInputLine(std::string_view& rest);

// "line L, byte B: invalid UTF-8" (both from 1) for the first ill-formed byte, if any.
std::optional<std::string> DescribeInvalidUtf8(std::string_view input);

} // namespace tavenor
