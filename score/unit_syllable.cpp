#include "score/unit_syllable.h"

#include "pinyin/hanzi_to_pinyin.h"
#include "pinyin/to_plain_pinyin.h"
#include "score/utf8_characters.h"
#include "text/gb18030_map.h"

namespace tavenor {
namespace {

// A reading with no plain form is passed on by the provider in GB18030.
std::string utf8Of(std::string_view gb18030)
{
    const Gb18030Map& map = Gb18030Map::instance();
    std::string utf8;
    while (!gb18030.empty()) {
        const Gb18030Map::Decoded c = map.decode(gb18030);
        AppendUtf8(c.codePoint, utf8);
        gb18030.remove_prefix(c.length);
    }
    return utf8;
}

} // namespace

std::string UnitSyllable(char32_t character, LuReading lu, const PinyinProvider& provider)
{
    char bytes[4];
    const std::string_view gb18030(bytes, Gb18030Map::instance().encode(character, bytes));
    std::string syllable = HanziToPinyin(provider, gb18030, /*extraForm=*/0, /*spaceAfterEach=*/0);
    if (syllable == "lu") {
        const bool readsLu = lu == LuReading::Auto
            ? !HasUmlautU(provider.GetPinyinReading(gb18030, 1, 1))
            : lu == LuReading::Lu;
        if (!readsLu)
            syllable = "lv";
    }
    return utf8Of(syllable);
}

} // namespace tavenor
