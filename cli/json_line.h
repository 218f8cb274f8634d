#pragma once

#include <string>
#include <string_view>

namespace tavenor {

// The parts of a JSON object on one line, appended to out: keys (ASCII) in the order the caller
// writes them, values that are box texts in GB18030, as JSON strings of UTF-8. Written by hand
// because QJsonObject sorts its keys, and scripts may rely on the documented order.
void AppendJsonKey(std::string_view key, std::string& out);
void AppendJsonString(std::string_view boxText, std::string& out);

// A box text as the inside of a JSON string, without the quotes: for a value made of parts.
void AppendJsonStringContent(std::string_view boxText, std::string& out);

} // namespace tavenor
