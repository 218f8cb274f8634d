#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tavenor {

// The offset of the first byte that does not belong to well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF), or nothing when all of text is valid.
std::optional<std::size_t> FindInvalidUtf8(std::string_view text) noexcept;

} // namespace tavenor
