#include "cli/input_lines.h"

#include "text/utf8_validation.h"

#include <algorithm>
#include <istream>

namespace tavenor {

std::string ReadAll(std::istream& in)
{
    std::string all;
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        all.append(chunk, static_cast<std::size_t>(in.gcount()));
    return all;
}

std::string_view TakeInputLine(std::string_view& rest)
{
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return line;
}

std::optional<std::string> DescribeInvalidUtf8(std::string_view input)
{
    // No well-formed sequence holds an LF, nor a CR, so the first bad byte of the whole input is
    // the first of its line, and the lines need counting only once one is found.
    const auto offset = FindInvalidUtf8(input);
    if (!offset)
        return std::nullopt;
    const std::string_view before = input.substr(0, *offset);
    const std::size_t lineStart = before.rfind('\n') + 1;
    const auto lineNumber = std::count(before.begin(), before.end(), '\n') + 1;
    return "line " + std::to_string(lineNumber) + ", byte "
        + std::to_string(*offset - lineStart + 1) + ": invalid UTF-8";
}

} // namespace tavenor
