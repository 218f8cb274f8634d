#include "cli/input_lines.h"

#include "codec/utf8_validation.h"
#include "text/cut_text.h"

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

std::vector<std::string_view> SplitInputLines(std::string_view input)
{
    std::vector<std::string_view> lines = CutText(input, "\n");
    for (std::string_view& line : lines) {
        if (line.ends_with('\r'))
            line.remove_suffix(1);
    }
    return lines;
}

std::optional<std::string> DescribeInvalidUtf8(const std::vector<std::string_view>& lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto offset = FindInvalidUtf8(lines[i]))
            return "line " + std::to_string(i + 1) + ", byte " + std::to_string(*offset + 1)
                + ": invalid UTF-8";
    }
    return std::nullopt;
}

} // namespace tavenor
