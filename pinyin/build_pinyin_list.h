#pragma once

#include "pinyin/lu_question.h"
#include "pinyin/pinyin_provider.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavenor {

// The pinyin list of the lyrics: one entry "syllable," per character, cut at GB18030 boundaries
// so that a half-width letter or blank cannot shift the pairing of the characters after it. A
// character with no reading gives the comma alone. Every entry "lu," asks the question, in text
// order, offering the provider's own reading first; any answer but Yes makes it "lv,".
std::string BuildPinyinList(std::string_view lyrics, const PinyinProvider& provider,
                            LuQuestion& question);

// The same into list, replacing what it held.
void BuildPinyinList(std::string_view lyrics, const PinyinProvider& provider, LuQuestion& question,
                     std::string& list);

// The same for many lyrics texts with one provider, as a batch builds them: a character's entry
// depends on the character alone, so each one- or two-byte character's is made once and kept.
class PinyinListBuilder {
public:
    explicit PinyinListBuilder(const PinyinProvider& provider);

    void build(std::string_view lyrics, LuQuestion& question, std::string& list);

private:
    struct KeptEntry {
        std::uint32_t begin = 0;
        std::uint8_t size = 0;
        bool made = false;
    };

    void appendEntry(std::string_view character, std::string& list);

    const PinyinProvider& m_provider;
    // By character: each byte, then each lead and trail byte of a two-byte character.
    std::vector<KeptEntry> m_kept;
    std::string m_entries;
};

} // namespace tavenor
