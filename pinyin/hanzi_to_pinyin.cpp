#include "pinyin/hanzi_to_pinyin.h"

#include "pinyin/to_plain_pinyin.h"

namespace tavenor {

std::string HanziToPinyin(const PinyinProvider& provider, std::string_view text, int extraForm,
                          int spaceAfterEach)
{
    const int count = provider.CountPinyinItems(text);
    std::string result;
    for (int item = 1; item <= count; ++item) {
        const std::string raw = provider.GetPinyinReading(text, item, 1);
        std::string plain = ToPlainPinyin(raw);
        if (extraForm != 0 && !plain.empty())
            plain[0] = static_cast<char>(plain[0] - 'a' + 'A');
        if (plain.empty()) {
            result += raw;
            continue;
        }
        result += plain;
        if (spaceAfterEach != 0)
            result += ' ';
    }
    return result;
}

} // namespace tavenor
