#include "cli/line_result.h"

#include "cli/output_text.h"

#include <array>

namespace tavenor {

void LineResultWriter::write(const RomajiTexts& texts, std::optional<std::string_view> pinyinList)
{
    std::string& out = m_output.pending();
    if (!m_json) {
        AppendOutputText(texts.final, out);
    } else {
        const std::array<JsonMember, 5> members{{{"pinyin", pinyinList.value_or("")},
                                                 {"decomposition", texts.decomposition},
                                                 {"romaji", texts.romaji},
                                                 {"final", texts.final},
                                                 {"history", texts.history}}};
        m_jsonLine.append(std::span(members).subspan(pinyinList ? 0 : 1), out);
    }
    m_output.sendFullBlock();
}

} // namespace tavenor
