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

// The same conversions between UTF-8 and GB18030 bytes, appended to out, for batches that need no
// QString. utf8 must be well-formed, as its callers check first (FindInvalidUtf8) to report where
// it is not; what is ill-formed ends the conversion there.
void AppendUtf8AsGb18030(std::string_view utf8, std::string& out);

// What AppendGb18030AsUtf8 makes of CR LF: kept, or LF alone, as text is printed on Unix.
enum class LineBreaks { Kept, AsLf };
void AppendGb18030AsUtf8(std::string_view bytes, std::string& out,
                         LineBreaks lineBreaks = LineBreaks::Kept);

} // namespace tavenor
