// Characterisation paragraphs per second: the formatter's GetCommands and the checker, on one
// full paragraph (mp, Rf, [α]D, IR, NMR, HRMS, analysis) and on the whole test corpus.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "characterisation/characterisation_check.h"
#include "characterisation/characterisation_query.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

const std::u16string kParagraph =
    u"White solid (152 mg, 87%); mp 163-165 \u00B0C; Rf = 0.35 (hexanes/EtOAc 4:1); "
    u"[\u03B1]D20 +12.3 (c 1.00, CHCl3); IR (neat) 2925, 1715, 1600 cm-1; 1H NMR (400 MHz, "
    u"CDCl3) \u03B4 7.26 (d, J = 8.0 Hz, 2H), 3.80 (s, 3H); 13C{1H} NMR (101 MHz, CDCl3) "
    u"\u03B4 170.2, 128.4, 52.1; HRMS (ESI-TOF) m/z: [M + H]+ Calcd for C10H13O2 165.0910; "
    u"Found 165.0907. Anal. Calcd for C10H12O2: C, 73.15; H, 7.37. Found: C, 73.10; H, 7.40.";

std::vector<std::u16string> Corpus() {
  std::ifstream file(GLYPHWRIGHT_CORPUS);
  std::vector<std::u16string> paragraphs;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line.rfind("## ", 0) == 0) continue;
    if (auto text = Utf8ToUtf16(line)) paragraphs.push_back(std::move(*text));
  }
  return paragraphs;
}

void BM_CharacterisationQuery_Paragraph(benchmark::State& state) {
  CharacterisationQuery query;
  for (auto _ : state) {
    std::u16string script = query.GetCommands(kParagraph);
    benchmark::DoNotOptimize(script);
  }
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kParagraph.size() * 2));
}

void BM_CheckCharacterisation_Paragraph(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<Finding> findings = CheckCharacterisation(kParagraph);
    benchmark::DoNotOptimize(findings);
  }
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kParagraph.size() * 2));
}

// Items are paragraphs: the whole corpus is one iteration.
void BM_CharacterisationQuery_Corpus(benchmark::State& state) {
  const std::vector<std::u16string> corpus = Corpus();
  CharacterisationQuery query;
  for (auto _ : state) {
    for (const std::u16string& paragraph : corpus) {
      std::u16string script = query.GetCommands(paragraph);
      benchmark::DoNotOptimize(script);
    }
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * corpus.size()));
}

void BM_CheckCharacterisation_Corpus(benchmark::State& state) {
  const std::vector<std::u16string> corpus = Corpus();
  for (auto _ : state) {
    for (const std::u16string& paragraph : corpus) {
      std::vector<Finding> findings = CheckCharacterisation(paragraph);
      benchmark::DoNotOptimize(findings);
    }
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * corpus.size()));
}

BENCHMARK(BM_CharacterisationQuery_Paragraph);
BENCHMARK(BM_CheckCharacterisation_Paragraph);
BENCHMARK(BM_CharacterisationQuery_Corpus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckCharacterisation_Corpus)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glyphwright
