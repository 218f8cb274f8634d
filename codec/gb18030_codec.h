#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace tavenor {

// The boundary between Unicode (window, command line) and the core's GBK bytes. GB18030 is a
// superset of GBK that covers all of Unicode, so nothing is turned into '?' or dropped. A lone
// surrogate, which is no character, is written as U+FFFD.
std::string ToGb18030(const QString& text);
QString FromGb18030(std::string_view bytes);

} // namespace tavenor
