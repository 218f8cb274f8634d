#pragma once

#include <string>
#include <string_view>

namespace tavenor {

// Knows the readings of Chinese characters. Texts are GB18030 bytes.
class PinyinProvider {
public:
    virtual ~PinyinProvider() = default;

    // The number of reading items of text, one per character that has a reading; 0 or less
    // means none. A text of one Chinese character has exactly one.
    virtual int CountPinyinItems(std::string_view text) const = 0;

    // The usual reading of item j (from 1), tone marks kept. The selector is always 1.
    virtual std::string GetPinyinReading(std::string_view text, int item, int selector) const = 0;
};

} // namespace tavenor
