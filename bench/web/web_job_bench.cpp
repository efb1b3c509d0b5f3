// The page's jobs natively, as the page's module runs them: a 20-character selection and 1 MB of
// formulas, each answered in all four forms. The browser's own figures come from run-web-bench;
// these show where a change moves the library's share of them.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "web/web_format.h"

namespace glyphwright::web {
namespace {

// The megabyte of run-web-bench: one line of formulas repeated, CR between paragraphs.
std::u16string MegabyteOfFormulas() {
  const std::u16string line = u"H2SO4 C6H12O6 CH3COOH\r";
  std::u16string text;
  while (text.size() < 1048576) text += line;
  return text;
}

void RunFormula(benchmark::State& state, const std::u16string& text) {
  const Job job{u"formula", {}};
  std::size_t units = 0;
  for (auto _ : state) {
    const FormatResult result = Format(job, text);
    units = result.html.size() + result.script.ascii.size() + result.script.wide.size();
    benchmark::DoNotOptimize(units);
  }
  // The text's UTF-16 bytes, as the other large-text benchmarks count them.
  state.SetBytesProcessed(static_cast<int64_t>(text.size() * sizeof(char16_t)) *
                          state.iterations());
}

void BM_FormulaSelection(benchmark::State& state) {
  RunFormula(state, u"H2SO4 and C6H12O6 ok");
}
BENCHMARK(BM_FormulaSelection)->Unit(benchmark::kMicrosecond);

void BM_FormulaMegabyte(benchmark::State& state) {
  RunFormula(state, MegabyteOfFormulas());
}
BENCHMARK(BM_FormulaMegabyte)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glyphwright::web
