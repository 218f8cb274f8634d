#include "cli/line_result.h"

#include "cli/json_line.h"
#include "cli/output_text.h"
#include "codec/gb18030_codec.h"

namespace tavenor {

std::string FormatLineResult(const RomajiTexts& texts, bool json,
                             std::optional<std::string_view> pinyinList)
{
    if (!json)
        return ToOutputText(texts.final);
    std::vector<std::pair<std::string_view, QString>> members;
    if (pinyinList)
        members.emplace_back("pinyin", FromGb18030(*pinyinList));
    members.emplace_back("decomposition", FromGb18030(texts.decomposition));
    members.emplace_back("romaji", FromGb18030(texts.romaji));
    members.emplace_back("final", FromGb18030(texts.final));
    members.emplace_back("history", FromGb18030(texts.history));
    return JsonLine(members);
}

} // namespace tavenor
