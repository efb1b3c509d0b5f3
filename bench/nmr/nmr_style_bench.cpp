// NMRStyleQuery: lists per second for lists of the usual length, and the time per peak on long
// ones, which must stay flat.
#include <benchmark/benchmark.h>

#include <string>

#include "nmr/nmr_style_query.h"

namespace glyphwright {
namespace {

// An ACS list of n peaks, of the kinds an experimental section holds.
std::u16string AcsList(int64_t n) {
  constexpr std::u16string_view kPeaks[] = {
      u"7.26 (dd, J = 8.0, 2.0 Hz, 1H, H-3)",
      u"7.35\u20137.20 (m, 5H)",
      u"4.12 (q, J = 7.1 Hz, 2H, OCH2)",
      u"2.05 (br s, 1H, NH)",
      u"1.25 (t, J = 7.1 Hz, 3H)",
  };
  std::u16string text = u"1H NMR (400 MHz, CDCl3) \u03B4 ";
  for (int64_t k = 0; k < n; ++k) {
    if (k > 0) text += u", ";
    text += kPeaks[k % 5];
  }
  text += u".";
  return text;
}

void Restyle(benchmark::State& state, std::u16string_view style, int64_t peaks) {
  const std::u16string text = AcsList(peaks);
  NMRStyleQuery query;
  query.SetStyle(style);
  for (auto _ : state) {
    const std::u16string script = query.GetCommands(text);
    benchmark::DoNotOptimize(script);
  }
  state.SetItemsProcessed(state.iterations());  // lists
  state.counters["time_per_peak"] =
      benchmark::Counter(static_cast<double>(peaks), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

// Eight peaks, about what one compound has.
void BM_RestyleListToRsc(benchmark::State& state) {
  Restyle(state, u"RSC", 8);
}
BENCHMARK(BM_RestyleListToRsc);

void BM_RestyleListToWiley(benchmark::State& state) {
  Restyle(state, u"Wiley", 8);
}
BENCHMARK(BM_RestyleListToWiley);

void BM_RestyleLongList(benchmark::State& state) {
  Restyle(state, u"RSC", state.range(0));
}
BENCHMARK(BM_RestyleLongList)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace glyphwright
