#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavenor {

// One JSON object on one line, keys in the order given, values as UTF-8 JSON strings. Written by
// hand because QJsonObject sorts its keys, and scripts may rely on the documented order.
std::string JsonLine(const std::vector<std::pair<std::string_view, QString>>& members);

} // namespace tavenor
