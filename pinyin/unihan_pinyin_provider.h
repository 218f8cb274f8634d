#pragma once

#include "pinyin/pinyin_provider.h"

namespace tavenor {

// The built-in provider: the readings of Unicode's Unihan database (kMandarin), compiled into
// the program, so constructing one costs nothing. Items are the characters of the text (cut at
// GB18030 boundaries) that are ideographs with a reading; punctuation, letters, kana, digits,
// blanks and malformed bytes have none.
class UnihanPinyinProvider final : public PinyinProvider {
public:
    int CountPinyinItems(std::string_view text) const override;

    // Empty for an item outside 1 to CountPinyinItems(text). Each character has one reading,
    // so the selector does not matter.
    std::string GetPinyinReading(std::string_view text, int item, int selector) const override;
};

} // namespace tavenor
