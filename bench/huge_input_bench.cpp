// A whole album of pinyin pasted at once, and the history box of a long editing session. A
// megabyte of lyrics is BM_LyricsToResults/524288.

#include "boxes/convert_to_romaji.h"
#include "romaji/romaji_conversion.h"
#include "table/syllable_table.h"

#include "tests/support/built_in_table.h"
#include "tests/support/fake_boxes.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace tavenor {
namespace {

constexpr std::size_t kMegabyte = std::size_t{1} << 20;

// Table syllables in random order, each followed by ",", until the text holds at least bytes.
std::string pinyinText(std::size_t bytes)
{
    const SyllableTable& table = testing::BuiltInTable();
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> row(0, table.size() - 1);
    std::string text;
    while (text.size() < bytes)
        text += table[row(random)].pinyin + ",";
    return text;
}

void BM_ConvertMegabyteOfPinyin(benchmark::State& state)
{
    const std::string text = pinyinText(kMegabyte);
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertPinyinText(text, testing::BuiltInTable()));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ConvertMegabyteOfPinyin)->Unit(benchmark::kMillisecond);

// The history box is never emptied: after 999 edits of a 2,000-syllable song, one more edit.
void BM_EditWithThousandEditsOfHistory(benchmark::State& state)
{
    std::string song;
    const SyllableTable& table = testing::BuiltInTable();
    for (std::size_t i = 0; i < 2000; ++i)
        song += table[(i * 37) % table.size()].pinyin + ",";
    for (auto _ : state) {
        state.PauseTiming();
        testing::FakeBoxes boxes;
        boxes.texts[std::string(box::Pinyin)] = song;
        for (int edit = 1; edit < 1000; ++edit)
            ConvertToRomaji(boxes, table);
        state.ResumeTiming();
        ConvertToRomaji(boxes, table);
        state.counters["history_MiB"] = static_cast<double>(boxes[box::History].size()) / kMegabyte;
    }
}
BENCHMARK(BM_EditWithThousandEditsOfHistory)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
} // namespace tavenor
