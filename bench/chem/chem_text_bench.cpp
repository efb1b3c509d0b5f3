// ChemTextQuery on running text: 1 MiB of an experimental section, and 1 MiB of prose with no
// chemistry at all. Throughput counts the text as UTF-16, 2 bytes a code unit, as the other
// chemistry benchmarks do.
#include <benchmark/benchmark.h>

#include <string>

#include "prose/chem_text_query.h"
#include "repeated_text.h"

namespace glyphwright {
namespace {

const std::u16string kExperimental =
    u"To a solution of 4-bromoanisole (1.87 g, 10.0 mmol) in dry THF (20 mL) at -78 \u00B0C was "
    u"added n-BuLi (2.5 M in hexanes, 4.4 mL) dropwise. The mixture was quenched with saturated "
    u"aqueous NH4Cl and extracted with CH2Cl2 (3 \u00D7 15 mL); the combined layers were dried "
    u"over MgSO4 and concentrated. Pd(PPh3)4 (5 mol%) and K2CO3 gave 3a (81%), as reported "
    u"(J. Am. Chem. Soc. 2019, 141, 1234). 1H NMR (400 MHz, CDCl3) \u03B4 7.26 (d, J = 8.0 Hz, "
    u"2H), 3.80 (s, 3H). The (R)-2-methylbutanoic acid and N,N-dimethylformamide were dried; "
    u"Table 2 and Figure 3 summarise the results for A549 cells.\n";

const std::u16string kPlainProse =
    u"The results of the screening are summarised in the table below, and the trends agree "
    u"with those seen in earlier work on related systems. Further studies are under way in "
    u"our laboratory and will be reported in due course.\n";

void BM_ChemTextQuery(benchmark::State& state, const std::u16string& piece) {
  const std::u16string text = Repeat(piece, kLargeTextUnits);
  ChemTextQuery query;
  for (auto _ : state) benchmark::DoNotOptimize(query.GetCommands(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size() * 2));
}

BENCHMARK_CAPTURE(BM_ChemTextQuery, ExperimentalSection, kExperimental)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChemTextQuery, ProseWithoutChemistry, kPlainProse)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glyphwright
