#pragma once

#include "pinyin/pinyin_provider.h"

#include <map>
#include <string>
#include <string_view>

namespace tavenor {

// The readings that the user set in the dialog's pinyin list, over the built-in ones. The fill
// asks its provider for each sung character; a character the user set reads as set, wherever it
// is sung (the first setting of a character stands).
class EditedPinyinProvider final : public PinyinProvider {
public:
    explicit EditedPinyinProvider(const PinyinProvider& builtIn);

    // reading is plain pinyin ("lv" for lü); GB18030 character.
    void setReading(std::string_view character, std::string_view reading);

    int CountPinyinItems(std::string_view text) const override;
    std::string GetPinyinReading(std::string_view text, int item, int selector) const override;

private:
    bool hasReading(std::string_view character) const;

    const PinyinProvider& m_builtIn;
    std::map<std::string, std::string, std::less<>> m_readings;
};

} // namespace tavenor
