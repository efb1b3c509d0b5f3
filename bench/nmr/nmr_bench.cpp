// Both NMR directions on lists of 10 to 100,000 peaks: the time per peak must stay flat.
#include <benchmark/benchmark.h>

#include <string>

#include "nmr/nmr_specform_query.h"
#include "nmr/nmr_specform_r_query.h"
#include "script/builders.h"

namespace glyphwright {
namespace {

// '1H NMR (CDCl3) δ 7.26 (1H, dd, J = 8.0, 2.0 Hz, H-3), ...' with n peaks.
std::u16string ListText(int64_t n) {
  std::u16string text = u"1H NMR (CDCl3) \u03B4 ";
  for (int64_t k = 0; k < n; ++k) {
    if (k > 0) text += u", ";
    text += k % 2 == 0 ? u"7.26 (1H, dd, J = 8.0, 2.0 Hz, H-3)" : u"1.20 - 1.35 (3H, m)";
  }
  text += u".";
  return text;
}

// The same peaks as a table: one row a paragraph, columns separated by tabs.
std::u16string TableText(int64_t n) {
  std::u16string text;
  for (int64_t k = 0; k < n; ++k) {
    if (k > 0) text += u"\r";
    text += k % 2 == 0 ? u"7.26\t1H\tdd\t8.0, 2.0\tH-3" : u"1.20-1.35\t3H\tm\t\t";
  }
  return text;
}

void PerPeak(benchmark::State& state, int64_t peaks) {
  state.SetItemsProcessed(state.iterations() * peaks);
  state.counters["time_per_peak"] =
      benchmark::Counter(static_cast<double>(peaks), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

void BM_ListToTable(benchmark::State& state) {
  const std::u16string text = ListText(state.range(0));
  const NMRSpecFormRQuery query;
  for (auto _ : state) {
    const std::u16string script = query.GetCommands(text);
    if (script.empty()) state.SkipWithError("the list was rejected");
    benchmark::DoNotOptimize(script);
  }
  PerPeak(state, state.range(0));
}
BENCHMARK(BM_ListToTable)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);

void BM_TableToList(benchmark::State& state) {
  const std::u16string text = TableText(state.range(0));
  const NMRSpecFormQuery query;
  for (auto _ : state) {
    const std::u16string script = query.GetCommands(text);
    benchmark::DoNotOptimize(script);
  }
  PerPeak(state, state.range(0));
}
BENCHMARK(BM_TableToList)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);

// The floor under both: only writing a script as long as the table one (about 210 code units a
// peak) into fresh memory. Above some tens of megabytes the allocator maps new pages on every
// call, and each first touch of a page is a page fault; this shows what that costs here.
void BM_OutputFloor(benchmark::State& state) {
  const std::u16string line = u"=7.26\nTypeText\n=\t\nTypeText\n";
  const auto size = static_cast<std::size_t>(state.range(0)) * 210;
  for (auto _ : state) {
    ScriptWriter script;
    script.Reserve(size);
    for (std::size_t written = 0; written < size; written += line.size()) script.Append(line);
    benchmark::DoNotOptimize(script);
  }
  PerPeak(state, state.range(0));
}
BENCHMARK(BM_OutputFloor)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace glyphwright
