#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tavenor {

// Shift-JIS as Windows' code page 932 has it, which UTAU writes, from tables built into the
// program so that the core needs no converter.

// Appends the UTF-8 of Shift-JIS text to utf8. Returns the offset of the first byte that starts
// no character (an unassigned byte, or a lead byte without a valid trail), or nothing when every
// byte belongs to one; utf8 then holds what came before it.
std::optional<std::size_t> AppendShiftJisAsUtf8(std::string_view shiftJis, std::string& utf8);

// Appends the Shift-JIS of UTF-8 text to shiftJis. False when the text is not UTF-8 or holds a
// character that Shift-JIS has no code for: nothing is replaced by a stand-in.
bool AppendUtf8AsShiftJis(std::string_view utf8, std::string& shiftJis);

} // namespace tavenor
