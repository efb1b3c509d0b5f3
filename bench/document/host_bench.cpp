// What a host waits for, per query: a selection of about 20 characters read from the reference
// document, GetCommands, the script run on the document by a CommandRunner, the document rendered
// as HTML. And the same for 1 MB of formulas, where the runner and the document do most of the
// work.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "chem/chem_formula_query.h"
#include "chem/chem_name_query.h"
#include "chem/chem_r_digit_query.h"
#include "chem/ion_formula_query.h"
#include "document/document.h"
#include "document/renderers.h"
#include "journal/journal_query.h"
#include "nmr/nmr_specform_query.h"
#include "nmr/nmr_specform_r_query.h"
#include "script/command_runner.h"

namespace glyphwright {
namespace {

template <class Query>
void Host(benchmark::State& state, Query& query, std::u16string_view text, bool listener = false) {
  for (auto _ : state) {
    const auto document = std::make_shared<Document>(text);
    if constexpr (requires { query.SetFontListener(document); }) {
      if (listener) query.SetFontListener(document);
    }
    CommandRunner runner;
    runner.SetExecuter(document);
    runner.Run(query.GetCommands(document->BeginQuery()));
    std::u16string html = RenderHtml(*document);
    benchmark::DoNotOptimize(html);
  }
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size() * 2));
}

void BM_Host_Formula(benchmark::State& state) {
  ChemFormulaQuery query;
  Host(state, query, u"p-CH3C6H4C#N + H2SO4");
}
void BM_Host_Ion(benchmark::State& state) {
  IonFormulaQuery query;
  Host(state, query, u"[Fe(CN)6]3- + SO42- ");
}
void BM_Host_Digits(benchmark::State& state) {
  ChemRDigitQuery query;
  Host(state, query, u"C6H12O6 text1-3 x2y3", true);
}
void BM_Host_Name(benchmark::State& state) {
  ChemNameQuery query;
  Host(state, query, u"N-tert-butyl-D-threo");
}
void BM_Host_Journal(benchmark::State& state) {
  JournalQuery query;
  Host(state, query, u"Synthesis 1999, 1234");
}
void BM_Host_TableToList(benchmark::State& state) {
  NMRSpecFormQuery query;
  Host(state, query, u"7.26\t1H\td\t8.0\r1.25\t3H\ts");
}
void BM_Host_ListToTable(benchmark::State& state) {
  NMRSpecFormRQuery query;
  Host(state, query, u"\u03B4 7.26 (1H, d, J = 8.0 Hz).");
}
BENCHMARK(BM_Host_Formula)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Host_Ion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Host_Digits)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Host_Name)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Host_Journal)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Host_TableToList)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Host_ListToTable)->Unit(benchmark::kMicrosecond);

void BM_Host_Formula1MB(benchmark::State& state) {
  const std::u16string piece = u"H2SO4 [Fe(CN)6]3- p-CH3C6H4C#N Ca(OH)2 CuSO4*5H2O t-BuOH ";
  std::u16string text;
  while (text.size() + piece.size() <= 512 * 1024) text += piece;
  ChemFormulaQuery query;
  Host(state, query, text);
}
BENCHMARK(BM_Host_Formula1MB)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glyphwright
