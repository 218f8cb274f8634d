#include "pinyin/hanzi_to_pinyin.h"

#include "pinyin/to_plain_pinyin.h"

namespace tavenor {

std::string HanziToPinyin(const PinyinProvider& provider, std::string_view text, int extraForm,
                          int spaceAfterEach)
{
    std::string result;
    AppendHanziToPinyin(provider, text, extraForm, spaceAfterEach, result);
    return result;
}

void AppendHanziToPinyin(const PinyinProvider& provider, std::string_view text, int extraForm,
                         int spaceAfterEach, std::string& out)
{
    const int count = provider.CountPinyinItems(text);
    for (int item = 1; item <= count; ++item) {
        const std::string raw = provider.GetPinyinReading(text, item, 1);
        const std::size_t itemStart = out.size();
        AppendPlainPinyin(raw, out);
        if (out.size() == itemStart) {
            out += raw;
            continue;
        }
        if (extraForm != 0)
            out[itemStart] = static_cast<char>(out[itemStart] - 'a' + 'A');
        if (spaceAfterEach != 0)
            out += ' ';
    }
}

} // namespace tavenor
