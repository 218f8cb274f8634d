#include "pinyin/build_pinyin_list.h"
#include "pinyin/hanzi_to_pinyin.h"
#include "pinyin/unihan_pinyin_provider.h"
#include "romaji/romaji_conversion.h"
#include "table/syllable_table.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace tavenor {
namespace {

// GB2312's first level, the 3,755 most common characters: rows B0 to D7, D7 ending at F9.
std::vector<std::string> commonCharacters()
{
    std::vector<std::string> characters;
    for (int lead = 0xB0; lead <= 0xD7; ++lead) {
        for (int trail = 0xA1; trail <= (lead == 0xD7 ? 0xF9 : 0xFE); ++trail)
            characters.push_back({static_cast<char>(lead), static_cast<char>(trail)});
    }
    return characters;
}

// Extension B characters from U+20000 that have a reading, in GB18030's four-byte form (linear
// from 90 30 81 30 for U+10000).
std::vector<std::string> extensionBCharacters(const PinyinProvider& provider, std::size_t count)
{
    std::vector<std::string> characters;
    for (std::size_t codePoint = 0x20000; characters.size() < count && codePoint < 0x2A6E0;
         ++codePoint) {
        std::size_t index = codePoint - 0x10000;
        const auto b4 = static_cast<char>(0x30 + index % 10);
        index /= 10;
        const auto b3 = static_cast<char>(0x81 + index % 126);
        index /= 126;
        const auto b2 = static_cast<char>(0x30 + index % 10);
        const auto b1 = static_cast<char>(0x90 + index / 10);
        std::string character{b1, b2, b3, b4};
        if (provider.CountPinyinItems(character) == 1)
            characters.push_back(std::move(character));
    }
    return characters;
}

// As the get-lyrics action calls it: one character, both options off.
void BM_HanziToPinyin(benchmark::State& state)
{
    const UnihanPinyinProvider provider;
    const std::vector<std::string> characters
        = state.range(0) == 2 ? commonCharacters() : extensionBCharacters(provider, 3755);
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(HanziToPinyin(provider, characters[next], 0, 0));
        next = next + 1 == characters.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(state.range(0) == 2 ? "items: two-byte characters"
                                       : "items: four-byte characters");
}
BENCHMARK(BM_HanziToPinyin)->Arg(2)->Arg(4);

class AlwaysYes final : public LuQuestion {
public:
    bool askIsLu(std::string_view, std::string_view, const LuOccurrence&) override { return true; }
};

// Song-like lyrics: common characters with a full-width comma or a blank now and then.
std::string lyricsText(std::size_t characterCount)
{
    const std::vector<std::string> characters = commonCharacters();
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, characters.size() - 1);
    std::string lyrics;
    for (std::size_t i = 0; i < characterCount; ++i) {
        if (i % 13 == 12)
            lyrics += "\xA3\xAC";
        else if (i % 29 == 28)
            lyrics += ' ';
        else
            lyrics += characters[pick(random)];
    }
    return lyrics;
}

// The lyrics to the pinyin list alone: the provider asked twice for each character.
void BM_BuildPinyinList(benchmark::State& state)
{
    const UnihanPinyinProvider provider;
    AlwaysYes question;
    const auto characters = static_cast<std::size_t>(state.range(0));
    const std::string lyrics = lyricsText(characters);
    std::string list;
    for (auto _ : state) {
        BuildPinyinList(lyrics, provider, question, list);
        benchmark::DoNotOptimize(list);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetLabel("items: characters of lyrics");
}
BENCHMARK(BM_BuildPinyinList)->Arg(524288)->Unit(benchmark::kMillisecond);

// The whole job on a pasted text: lyrics to the pinyin list, then to the four result texts.
void BM_LyricsToResults(benchmark::State& state)
{
    const UnihanPinyinProvider provider;
    SyllableTable table;
    LoadSyllableTable(table);
    AlwaysYes question;
    const auto characters = static_cast<std::size_t>(state.range(0));
    const std::string lyrics = lyricsText(characters);
    for (auto _ : state) {
        const std::string list = BuildPinyinList(lyrics, provider, question);
        benchmark::DoNotOptimize(ConvertPinyinText(list, table));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetLabel("items: characters of lyrics");
}
// 524,288 characters make a megabyte of lyrics, an album pasted at once.
BENCHMARK(BM_LyricsToResults)->Arg(200000)->Arg(524288)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavenor
