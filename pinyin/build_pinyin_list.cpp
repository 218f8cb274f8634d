#include "pinyin/build_pinyin_list.h"

#include "pinyin/hanzi_to_pinyin.h"
#include "pinyin/to_plain_pinyin.h"
#include "text/gb18030_characters.h"

namespace tavenor {

std::string BuildPinyinList(std::string_view lyrics, const PinyinProvider& provider,
                            LuQuestion& question)
{
    std::string list;
    BuildPinyinList(lyrics, provider, question, list);
    return list;
}

void BuildPinyinList(std::string_view lyrics, const PinyinProvider& provider, LuQuestion& question,
                     std::string& list)
{
    list.clear();
    for (std::size_t position = 1; !lyrics.empty(); ++position) {
        const std::string_view unit = lyrics.substr(0, Gb18030CharacterLength(lyrics));
        lyrics.remove_prefix(unit.size());
        const std::size_t entryStart = list.size();
        AppendHanziToPinyin(provider, unit, /*extraForm=*/0, /*spaceAfterEach=*/0, list);
        if (std::string_view(list).substr(entryStart) == "lu") {
            // The plain syllable has lost the umlaut; the reading itself still shows it.
            const bool readsLu = !HasUmlautU(provider.GetPinyinReading(unit, 1, 1));
            if (!question.askIsLu(kLuQuestionTitle, kLuQuestionMessage, {unit, position, readsLu}))
                list[entryStart + 1] = 'v';
        }
        list += ',';
    }
}

} // namespace tavenor
