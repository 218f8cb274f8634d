#pragma once

#include "romaji/romaji_texts.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavenor {

// What the command line prints for one input line: the final result text, or with json one
// object of every box text, led by the pinyin list when the line went through the lyrics box.
std::string FormatLineResult(const RomajiTexts& texts, bool json,
                             std::optional<std::string_view> pinyinList = std::nullopt);

} // namespace tavenor
