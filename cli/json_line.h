#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tavenor {

// One member of a JSON line: its key (ASCII) and its value, a box text in GB18030.
struct JsonMember {
    std::string_view key;
    std::string_view value;
};

// One JSON object on one line, keys in the order given, values as UTF-8 JSON strings, appended
// to out.
void AppendJsonLine(std::span<const JsonMember> members, std::string& out);

} // namespace tavenor
