// Both NMR directions on lists of 10 to 100,000 peaks (the time per peak must stay flat) and on
// one short list (the cost of a call).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>
#include <string_view>

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

// One short list, as a user converts it: four peaks, where what every call costs (the reading,
// the first room for the script, the lines around the peaks) counts as much as the peaks.
constexpr std::u16string_view kShortList =
    u"1H NMR (400 MHz, CDCl3) \u03B4 7.93 (t, J = 12.1 Hz, 1H), 5.35 (d, J = 4.6 Hz, 3H), "
    u"1.59 (dd, J = 15.5, 1.6 Hz, 1H), 1.07 (q, J = 1.8 Hz, 2H).";
constexpr std::u16string_view kShortTable =
    u"7.93\t1H\tt\t12.1\r5.35\t3H\td\t4.6\r1.59\t1H\tdd\t15.5, 1.6\r1.07\t2H\tq\t1.8";

void BM_ShortListToTable(benchmark::State& state) {
  NMRSpecFormRQuery query;
  query.SetSpecFormat(u"d, J, 1H");
  for (auto _ : state) {
    const std::u16string script = query.GetCommands(kShortList);
    if (script.empty()) state.SkipWithError("the list was rejected");
    benchmark::DoNotOptimize(script);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ShortListToTable)->Unit(benchmark::kNanosecond);

void BM_ShortTableToList(benchmark::State& state) {
  NMRSpecFormQuery query;
  query.SetJValueStyle(NMRSpecFormQuery::kHzAfterLastValue);
  for (auto _ : state) {
    const std::u16string script = query.GetCommands(kShortTable);
    benchmark::DoNotOptimize(script);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ShortTableToList)->Unit(benchmark::kNanosecond);

// The floor under both: only writing a script as long as the table one (about 210 code units a
// peak), the memory bandwidth a long script costs.
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

// The benchmarks repeat one call. How much freed memory the allocator keeps for the next call
// depends on the sizes it has seen (a few megabytes more or less on the heap, and it gives every
// page back and takes it again, a page fault each): freed memory is kept for every size, so that
// each size does the same work, as a host's first call would with memory it has never touched.
int main(int argc, char** argv) {
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
