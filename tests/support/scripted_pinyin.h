#pragma once

#include "pinyin/lu_question.h"
#include "pinyin/pinyin_provider.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace tavenor::testing {

// A provider that knows a few characters, one reading each, and records what it was asked.
class ScriptedProvider : public PinyinProvider {
public:
    std::map<std::string, std::string, std::less<>> readings;
    mutable std::vector<std::string> calls;

    int CountPinyinItems(std::string_view text) const override
    {
        calls.push_back("count " + std::string(text));
        return readings.contains(text) ? 1 : 0;
    }

    std::string GetPinyinReading(std::string_view text, int item, int selector) const override
    {
        calls.push_back("get " + std::string(text) + " " + std::to_string(item) + " "
                        + std::to_string(selector));
        const auto found = readings.find(text);
        return found == readings.end() ? std::string() : found->second;
    }
};

// 你 nǐ, 好 hǎo, 鲁 lǔ, 绿 lǜ, 路 lù, 罗 luó, 𠀀 hē (outside GBK), as GB18030 readings.
inline ScriptedProvider LyricsProvider()
{
    ScriptedProvider provider;
    provider.readings
        = {{"\xC4\xE3", "n\xA8\xAB"},        {"\xBA\xC3", "h\xA8\xA3o"}, {"\xC2\xB3", "l\xA8\xB3"},
           {"\xC2\xCC", "l\xA8\xB8"},        {"\xC2\xB7", "l\xA8\xB4"},  {"\xC2\xDE", "lu\xA8\xAE"},
           {"\x95\x32\x82\x36", "h\xA8\xA5"}};
    return provider;
}

// Answers the lu question from a script, in order, and records what was shown.
class ScriptedLuQuestion : public LuQuestion {
public:
    std::deque<bool> answers;
    std::vector<std::pair<std::string, std::string>> asked;
    // Each question's character, position and offered answer, as "鲁 3 lu".
    std::vector<std::string> occurrences;

    bool askIsLu(std::string_view title, std::string_view message, const LuOccurrence& lu) override
    {
        asked.emplace_back(title, message);
        occurrences.push_back(std::string(lu.character) + " " + std::to_string(lu.position)
                              + (lu.readsLu ? " lu" : " lv"));
        const bool yes = answers.empty() ? true : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return yes;
    }
};

} // namespace tavenor::testing
