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

// Appends one JSON object on one line to out: keys in the order given, values as UTF-8 JSON
// strings. Written by hand because QJsonObject sorts its keys, and scripts may rely on the
// documented order. Keeps the buffer that the values are decoded into from line to line.
class JsonLineWriter {
public:
    void append(std::span<const JsonMember> members, std::string& out);

private:
    std::string m_utf8;
};

} // namespace tavenor
