#pragma once

#include <cstddef>
#include <string_view>

namespace tavenor {

// One "lu" of the lyrics, as the question sees it.
struct LuOccurrence {
    std::string_view character; // its GB18030 bytes
    std::size_t position; // its place among the characters of the lyrics, from 1
    // The provider's own reading is lu, not lu-umlaut: the answer to offer first.
    bool readsLu;
};

// Plain pinyin cannot tell lu from lu-umlaut, so the user is asked for every "lu".
class LuQuestion {
public:
    virtual ~LuQuestion() = default;

    // Shows title and message (GBK) with Yes and No; true only for Yes.
    virtual bool askIsLu(std::string_view title, std::string_view message, const LuOccurrence& lu)
        = 0;
};

// "对你说话呢", in GBK.
inline constexpr std::string_view kLuQuestionTitle = "\xB6\xD4\xC4\xE3\xCB\xB5\xBB\xB0\xC4\xD8";

// Four lines: lu was found; please confirm the reading; Yes reads 鲁 (lu); No reads 绿 (lv).
inline constexpr std::string_view kLuQuestionMessage
    = "\xBC\xEC\xB2\xE2\xB5\xBD\xB4\xE6\xD4\xDA\xA1\xB0"
      "lu"
      "\xA1\xB1\r\n"
      "\xC7\xEB\xC8\xB7\xC8\xCF\xB7\xA2\xD2\xF4\xA3\xBA\r\n"
      "\xCA\xC7\xA3\xBA\xB6\xC1\xA1\xB0\xC2\xB3\xA1\xB1\xA3\xA8"
      "lu"
      "\xA3\xA9\r\n"
      "\xB7\xF1\xA3\xBA\xB6\xC1\xA1\xB0\xC2\xCC\xA1\xB1\xA3\xA8"
      "lv"
      "\xA3\xA9";

} // namespace tavenor
