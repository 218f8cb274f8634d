#include "boxes/convert_to_romaji.h"

#include "romaji/romaji_conversion.h"

namespace tavenor {

void ConvertToRomaji(BoxAccess& boxes, const SyllableTable& table)
{
    boxes.set(box::Final, "");
    boxes.set(box::Decomposition, "");
    boxes.set(box::Romaji, "");
    const RomajiTexts texts = ConvertPinyinText(boxes.read(box::Pinyin), table);
    // One write per box: a real window pays per write, not per byte.
    boxes.append(box::History, texts.history);
    boxes.append(box::Decomposition, texts.decomposition);
    boxes.append(box::Romaji, texts.romaji);
    boxes.append(box::Final, texts.final);
}

} // namespace tavenor
