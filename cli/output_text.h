#pragma once

#include <string>
#include <string_view>

namespace tavenor {

// A box text (GB18030, CR LF breaks) as the command line prints it: UTF-8 with LF breaks,
// appended to out.
void AppendOutputText(std::string_view boxText, std::string& out);

std::string ToOutputText(std::string_view boxText);

} // namespace tavenor
