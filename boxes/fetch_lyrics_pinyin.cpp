#include "boxes/fetch_lyrics_pinyin.h"

#include "boxes/convert_to_romaji.h"
#include "pinyin/build_pinyin_list.h"

namespace tavenor {

void FetchLyricsPinyin(BoxAccess& boxes, const PinyinProvider& provider, LuQuestion& question,
                       const SyllableTable& table)
{
    boxes.set(box::Pinyin, "");
    const std::string lyrics = boxes.read(box::Lyrics);
    boxes.append(box::Pinyin, BuildPinyinList(lyrics, provider, question));
    ConvertToRomaji(boxes, table);
}

} // namespace tavenor
