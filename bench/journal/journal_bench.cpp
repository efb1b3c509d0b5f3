// The journal query on a megabyte of text without a reference: the scan reads it all.
#include <benchmark/benchmark.h>

#include <string>

#include "journal/journal_query.h"

namespace glyphwright {
namespace {

constexpr std::size_t kMegabyte = 1 << 20;

std::u16string Repeat(std::u16string_view piece, std::size_t size) {
  std::u16string text;
  text.reserve(size + piece.size());
  while (text.size() < size) text += piece;
  text.resize(size);
  return text;
}

void Scan(benchmark::State& state, std::u16string_view piece) {
  const std::u16string text = Repeat(piece, kMegabyte);
  const JournalQuery query;
  for (auto _ : state) {
    const std::u16string script = query.GetCommands(text);
    if (!script.empty()) state.SkipWithError("a reference was found");
    benchmark::DoNotOptimize(script);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size() * 2));
  state.counters["time_per_char"] = benchmark::Counter(
      static_cast<double>(text.size()),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Ordinary prose: capitalised words now and then, none followed by a comma and a number.
void BM_JournalProse(benchmark::State& state) {
  Scan(state, u"The Reaction of the Ketone with LDA gave the Alcohol in 85% yield. ");
}
BENCHMARK(BM_JournalProse)->Unit(benchmark::kMillisecond);

// Near misses: every candidate runs through a layout and fails only at its very end.
void BM_JournalNearMisses(benchmark::State& state) {
  Scan(state,
       u"Tetrahedron Lett., 40, 1234 (99) J. Org. Chem. 1999, 64(3) Synthesis 1999, , "
       u"Org. Lett., 2000, 2, x ");
}
BENCHMARK(BM_JournalNearMisses)->Unit(benchmark::kMillisecond);

// Capitals, full stops and spaces only: one long name run after another.
void BM_JournalLongNames(benchmark::State& state) {
  Scan(state, u"A. B. C. D. E. F. G. H. I. J. K. L. M. N. O. P. 1999 ");
}
BENCHMARK(BM_JournalLongNames)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glyphwright
