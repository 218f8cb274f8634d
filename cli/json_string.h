#pragma once

#include <string>
#include <string_view>

namespace tavenor {

// A box text (GB18030) as a JSON string of UTF-8, appended to out. The JSON lines are written by
// hand because QJsonObject sorts its keys, and scripts may rely on the documented order.
void AppendJsonString(std::string_view boxText, std::string& out);

// A box text as the inside of a JSON string, without the quotes: for a value made of parts.
void AppendJsonStringContent(std::string_view boxText, std::string& out);

} // namespace tavenor
