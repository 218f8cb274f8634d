#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavenor {

// A string (UTF-8) written as a YAML scalar that every reader takes back as that same string:
// plain where YAML 1.1 and 1.2 both read the plain text as a string equal to it, single-quoted
// otherwise, double-quoted with escapes where it holds a character that no other style can carry
// (a line break, a tab, a control character). Never plain without `plainAllowed`, for a place
// where what follows would run on into a plain scalar. Nothing when the text is not UTF-8.
std::optional<std::string> YamlScalar(std::string_view text, bool plainAllowed = true);

} // namespace tavenor
