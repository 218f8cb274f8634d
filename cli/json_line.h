#pragma once

#include <QString>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace tavenor {

// One JSON object on one line, keys in the order given, values as UTF-8 JSON strings.
std::string JsonLine(std::initializer_list<std::pair<std::string_view, QString>> members);

} // namespace tavenor
