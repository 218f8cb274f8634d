#pragma once

#include <QString>

#include <string_view>

namespace tavenor {

// Decodes UTF-8 exactly. QString::fromUtf8 drops a leading U+FEFF, taking it for a byte order
// mark; here it stays a character of the text, so that UTF-8 -> GB18030 -> UTF-8 changes nothing.
// Ill-formed input should be rejected first (FindInvalidUtf8); it would decode to U+FFFD.
QString FromUtf8(std::string_view utf8);

} // namespace tavenor
