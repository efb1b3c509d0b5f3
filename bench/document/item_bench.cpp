// One rendered item, as a host spends it on a short selection: a fresh reference document of the
// item, the query's script run on it by the host's one runner, the document rendered as HTML. The
// items are formulas and ions of the shape the side-by-side benchmark feeds every tool (2 to 5
// groups of element symbols, counts and parenthesised pairs), made by the same generator, so the
// figures here predict its rendered path. The parts are timed apart as well, to show where an
// item's time goes.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "chem/chem_formula_query.h"
#include "chem/ion_formula_query.h"
#include "document/document.h"
#include "document/renderers.h"
#include "script/command_runner.h"

namespace glyphwright {
namespace {

// The side-by-side benchmark's generator: a linear congruential one computed in doubles, exactly
// as its script computes it, so the items are the same ones.
class Items {
 public:
  std::u16string Formula() {
    std::u16string text;
    const int groups = 2 + Below(4);
    for (int g = 0; g < groups; ++g) {
      if (Random() < 0.2) {
        text += u'(';
        text += Element();
        text += Count();
        text += Element();
        text += u')';
        text += static_cast<char16_t>(u'0' + 2 + Below(3));
      } else {
        text += Element();
        text += Count();
      }
    }
    return text;
  }

  // A charge number 2 or 3 before the sign, or a bare sign after a letter.
  std::u16string Ion() {
    std::u16string formula = Formula();
    if (Random() < 0.5) {
      formula += static_cast<char16_t>(u'0' + 2 + Below(2));
      formula += Sign();
      return formula;
    }
    while (!formula.empty() && (IsDigit(formula.back()) || formula.back() == u')')) {
      formula.pop_back();
    }
    if (formula.empty()) formula = u"Na";
    if (!IsLetter(formula.back())) formula += u"Cl";
    formula += Sign();
    return formula;
  }

 private:
  static bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
  static bool IsLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

  double Random() {
    seed_ = std::fmod(seed_ * 1103515245.0 + 12345.0, 2147483648.0);
    return seed_ / 2147483648.0;
  }
  int Below(int n) { return static_cast<int>(std::floor(Random() * n)); }
  std::u16string_view Element() {
    static constexpr std::array<std::u16string_view, 20> kElements = {
        u"H",  u"C",  u"N",  u"O",  u"S",  u"P",  u"Cl", u"Na", u"K",  u"Ca",
        u"Mg", u"Fe", u"Cu", u"Zn", u"Br", u"Al", u"Si", u"Mn", u"Co", u"Ni"};
    return kElements[static_cast<std::size_t>(Below(20))];
  }
  std::u16string Count() {
    if (Random() < 0.4) return {};
    const int count = 2 + Below(11);
    std::u16string digits;
    if (count >= 10) digits += static_cast<char16_t>(u'0' + count / 10);
    digits += static_cast<char16_t>(u'0' + count % 10);
    return digits;
  }
  char16_t Sign() { return Below(2) == 0 ? u'+' : u'-'; }

  double seed_ = 20240611;
};

constexpr int kItems = 2000;

std::vector<std::u16string> Formulas() {
  Items items;
  std::vector<std::u16string> formulas;
  for (int i = 0; i < kItems; ++i) formulas.push_back(items.Formula());
  return formulas;
}

// The ions come after the formulas in the generator's sequence.
std::vector<std::u16string> Ions() {
  Items items;
  for (int i = 0; i < kItems; ++i) items.Formula();
  std::vector<std::u16string> ions;
  for (int i = 0; i < kItems; ++i) ions.push_back(items.Ion());
  return ions;
}

template <class Job>
void EachItem(benchmark::State& state, const std::vector<std::u16string>& items, Job job) {
  std::size_t sink = 0;
  for (auto _ : state) {
    for (const std::u16string& item : items) sink += job(item);
  }
  benchmark::DoNotOptimize(sink);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(items.size()));
}

// The whole item, as the side-by-side benchmark times it.
template <class Query>
void Rendered(benchmark::State& state, const std::vector<std::u16string>& items) {
  Query query;
  CommandRunner runner;
  EachItem(state, items, [&](const std::u16string& text) {
    const auto document = std::make_shared<Document>(text);
    runner.SetExecuter(document);
    runner.RunOwned(query.GetCommands(document->BeginQuery()));
    return RenderHtml(*document).size();
  });
}

void BM_Item_Formula(benchmark::State& state) {
  Rendered<ChemFormulaQuery>(state, Formulas());
}
void BM_Item_Ion(benchmark::State& state) {
  Rendered<IonFormulaQuery>(state, Ions());
}

// The parts of a formula item: the document made and its selection read; the script alone; the
// script run on a fresh document; the rendering of a formatted document.
void BM_Item_FormulaDocument(benchmark::State& state) {
  EachItem(state, Formulas(), [](const std::u16string& text) {
    const auto document = std::make_shared<Document>(text);
    return document->BeginQuery().size();
  });
}
void BM_Item_FormulaScript(benchmark::State& state) {
  ChemFormulaQuery query;
  EachItem(state, Formulas(),
           [&](const std::u16string& text) { return query.GetCommands(text).size(); });
}
void BM_Item_FormulaRun(benchmark::State& state) {
  ChemFormulaQuery query;
  const std::vector<std::u16string> formulas = Formulas();
  std::vector<std::u16string> scripts;
  for (const std::u16string& text : formulas) scripts.push_back(query.GetCommands(text));
  CommandRunner runner;
  std::size_t sink = 0;
  for (auto _ : state) {
    for (std::size_t i = 0; i < formulas.size(); ++i) {
      const auto document = std::make_shared<Document>(formulas[i]);
      document->BeginQuery();
      runner.SetExecuter(document);
      runner.Run(scripts[i]);
      sink += static_cast<std::size_t>(document->Size());
    }
  }
  benchmark::DoNotOptimize(sink);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(formulas.size()));
}
void BM_Item_FormulaRender(benchmark::State& state) {
  ChemFormulaQuery query;
  CommandRunner runner;
  std::vector<std::shared_ptr<Document>> documents;
  for (const std::u16string& text : Formulas()) {
    documents.push_back(std::make_shared<Document>(text));
    runner.SetExecuter(documents.back());
    runner.Run(query.GetCommands(documents.back()->BeginQuery()));
  }
  std::size_t sink = 0;
  for (auto _ : state) {
    for (const auto& document : documents) sink += RenderHtml(*document).size();
  }
  benchmark::DoNotOptimize(sink);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(documents.size()));
}

BENCHMARK(BM_Item_Formula)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Item_Ion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Item_FormulaDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Item_FormulaScript)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Item_FormulaRun)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Item_FormulaRender)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glyphwright
