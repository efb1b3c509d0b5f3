// GetCommands of the chemistry queries on a short selection and on 1 MB of formula-dense text.
// Throughput counts the text as UTF-16: 2 bytes a code unit.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "automation/member_table.h"
#include "chem/chem_formula_query.h"
#include "chem/chem_name_query.h"
#include "chem/chem_r_digit_query.h"
#include "chem/ion_formula_query.h"
#include "repeated_text.h"

namespace glyphwright {
namespace {

const std::u16string kFormulaPiece =
    u"H2SO4 [Fe(CN)6]3- p-CH3C6H4C#N Ca(OH)2 CuSO4*5H2O NH4+ t-BuOH C6H12O6 ";
const std::u16string kNamePiece =
    u"(2S,3R)-N-tert-butyl-D-threonine 1H-indole N,N'-dimethylformamide cis-but-2-ene "
    u"L-alanine (E)-stilbene ";

// A FontListener that reports every range as plain.
class PlainListener : public TableDispatch<PlainListener> {
 public:
  static MemberTable Members() {
    static constexpr auto kMembers =
        Rows(Method<&Self::Answer>(u"GetSubscript", 1, {u"Index", u"Length", u"Value"}),
             Method<&Self::Answer>(u"GetSuperscript", 2, {u"Index", u"Length", u"Value"}));
    return kMembers;
  }
  // Value arrives as 0, not subscript and not superscript, and stays so.
  void Answer(Variant&, Variant&, Variant&) {}
};

template <class Query>
void Run(benchmark::State& state, Query& query, const std::u16string& text) {
  query.GetCommands(text);  // the first call fetches the shared scanners
  for (auto _ : state) {
    std::u16string script = query.GetCommands(text);
    benchmark::DoNotOptimize(script);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size() * 2));
}

void BM_ChemFormula_Selection(benchmark::State& state) {
  ChemFormulaQuery query;
  Run(state, query, u"p-CH3C6H4C#N + H2SO4");
}

void BM_IonFormula_Selection(benchmark::State& state) {
  IonFormulaQuery query;
  Run(state, query, u"[Fe(CN)6]3- + SO42- ");
}

void BM_ChemName_Selection(benchmark::State& state) {
  ChemNameQuery query;
  Run(state, query, u"N-tert-butyl-D-threo");
}

void BM_ChemRDigit_Selection(benchmark::State& state) {
  ChemRDigitQuery query;
  query.SetFontListener(std::make_shared<PlainListener>());
  Run(state, query, u"C6H12O6 text1-3 x2y3");
}

void BM_ChemFormula_1MB(benchmark::State& state) {
  ChemFormulaQuery query;
  Run(state, query, Repeat(kFormulaPiece, kLargeTextUnits));
}

void BM_IonFormula_1MB(benchmark::State& state) {
  IonFormulaQuery query;
  Run(state, query, Repeat(kFormulaPiece, kLargeTextUnits));
}

void BM_ChemName_1MB(benchmark::State& state) {
  ChemNameQuery query;
  Run(state, query, Repeat(kNamePiece, kLargeTextUnits));
}

void BM_ChemRDigit_1MB(benchmark::State& state) {
  ChemRDigitQuery query;
  query.SetFontListener(std::make_shared<PlainListener>());
  Run(state, query, Repeat(kFormulaPiece, kLargeTextUnits));
}

BENCHMARK(BM_ChemFormula_Selection);
BENCHMARK(BM_IonFormula_Selection);
BENCHMARK(BM_ChemName_Selection);
BENCHMARK(BM_ChemRDigit_Selection);
BENCHMARK(BM_ChemFormula_1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IonFormula_1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChemName_1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChemRDigit_1MB)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glyphwright
