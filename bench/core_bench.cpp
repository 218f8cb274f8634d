#include "romaji/romaji_conversion.h"
#include "table/syllable_table.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace tavenor {
namespace {

void BM_LoadSyllableTable(benchmark::State& state)
{
    for (auto _ : state) {
        SyllableTable table;
        LoadSyllableTable(table);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_LoadSyllableTable);

// Real syllables drawn from the table, with a capitalized or unknown piece now and then, as a
// user's corrections leave them.
std::string pinyinList(const SyllableTable& table, std::size_t pieces)
{
    std::mt19937 random(42);
    std::uniform_int_distribution<std::size_t> row(0, table.size() - 1);
    std::string list;
    for (std::size_t i = 0; i < pieces; ++i) {
        std::string piece = table[row(random)].pinyin;
        if (i % 17 == 0)
            piece[0] = static_cast<char>(piece[0] - 'a' + 'A');
        else if (i % 23 == 0)
            piece += "q";
        list += piece + ",";
    }
    return list;
}

// One lookup for each piece of a list: rows from all over the table and a few misses, which scan
// every row.
void BM_FindFirst(benchmark::State& state)
{
    SyllableTable table;
    LoadSyllableTable(table);
    const std::string list = pinyinList(table, 1 << 20);
    std::vector<std::string_view> pieces;
    for (std::string_view rest = list; !rest.empty();) {
        const std::size_t comma = rest.find(',');
        pieces.push_back(rest.substr(0, comma));
        rest.remove_prefix(comma + 1);
    }
    for (auto _ : state) {
        for (const std::string_view piece : pieces)
            benchmark::DoNotOptimize(table.findFirst(piece));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pieces.size()));
    state.SetLabel("items: lookups");
}
BENCHMARK(BM_FindFirst);

void BM_ConvertPinyinText(benchmark::State& state)
{
    SyllableTable table;
    LoadSyllableTable(table);
    const auto pieces = static_cast<std::size_t>(state.range(0));
    const std::string list = pinyinList(table, pieces);
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertPinyinText(list, table));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetLabel("items: pieces");
    state.counters["ns_per_piece"]
        = benchmark::Counter(static_cast<double>(state.iterations()) * static_cast<double>(pieces),
                             benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ConvertPinyinText)->Arg(2000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tavenor
