// The renderers alone, on a document the formula query has formatted: 1 MB of formulas, one a
// paragraph (what `format formula --to html` and the web page's job render), and one short item
// (what a host renders after each query). The document is made once; only the walk is timed.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "chem/chem_formula_query.h"
#include "document/document.h"
#include "document/render_together.h"
#include "document/renderers.h"
#include "script/command_runner.h"

namespace glyphwright {
namespace {

// Formulas like "(Mn4Na)2Ca8S(Al12S)2", one a line, from a fixed seed: the same text every run.
std::u16string Formulas(std::size_t size) {
  constexpr const char16_t* kElements[] = {u"K",  u"Cl", u"Mn", u"Na", u"Ca", u"S", u"Al",
                                           u"H",  u"O",  u"Cu", u"Zn", u"Co", u"C", u"Br",
                                           u"Fe", u"N",  u"P",  u"Mg", u"Si", u"F"};
  uint32_t seed = 12345;
  const auto next = [&seed](uint32_t bound) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % bound;
  };
  std::u16string text;
  while (text.size() < size) {
    const uint32_t parts = 2 + next(5);
    for (uint32_t part = 0; part < parts; ++part) {
      const bool group = next(5) == 0;
      if (group) text += u'(';
      const uint32_t atoms = group ? 2 : 1;
      for (uint32_t atom = 0; atom < atoms; ++atom) {
        text += kElements[next(20)];
        if (next(3) != 0) text += std::u16string(1, static_cast<char16_t>(u'1' + next(9)));
      }
      if (group) text += u')' + std::u16string(1, static_cast<char16_t>(u'2' + next(8)));
    }
    text += u'\r';
  }
  return text;
}

std::shared_ptr<Document> Formatted(std::u16string_view text) {
  auto document = std::make_shared<Document>(text);
  ChemFormulaQuery query;
  CommandRunner runner;
  runner.SetExecuter(document);
  runner.Run(query.GetCommands(document->BeginQuery()));
  return document;
}

const Document& Large() {
  static const std::shared_ptr<Document> document = Formatted(Formulas(1 << 20));
  return *document;
}

const Document& Item() {
  static const std::shared_ptr<Document> document = Formatted(u"p-CH3C6H4C#N + H2SO4");
  return *document;
}

// Bytes are the document's characters: one byte each in the formulas' UTF-8 input.
void Count(benchmark::State& state, const Document& document) {
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * document.Size());
}

void Html(benchmark::State& state, const Document& document) {
  for (auto _ : state) {
    std::u16string html = RenderHtml(document);
    benchmark::DoNotOptimize(html);
  }
  Count(state, document);
}

// As the command line renders: in pieces handed to a sink.
void HtmlPieces(benchmark::State& state, const Document& document) {
  for (auto _ : state) {
    std::size_t length = 0;
    RenderHtml(document, [&length](std::u16string_view piece) { length += piece.size(); });
    benchmark::DoNotOptimize(length);
  }
  Count(state, document);
}

// The bytes the command line writes, whole and in pieces.
void HtmlUtf8(benchmark::State& state, const Document& document) {
  for (auto _ : state) {
    std::string html = RenderHtmlUtf8(document);
    benchmark::DoNotOptimize(html);
  }
  Count(state, document);
}

void HtmlUtf8Pieces(benchmark::State& state, const Document& document) {
  for (auto _ : state) {
    std::size_t length = 0;
    RenderHtmlUtf8(document, [&length](std::string_view piece) { length += piece.size(); });
    benchmark::DoNotOptimize(length);
  }
  Count(state, document);
}

void HtmlTextUnicode(benchmark::State& state, const Document& document) {
  for (auto _ : state) {
    auto rendered = RenderHtmlTextUnicode(document);
    benchmark::DoNotOptimize(rendered);
  }
  Count(state, document);
}

void BM_RenderHtml_Formula1MB(benchmark::State& state) {
  Html(state, Large());
}
void BM_RenderHtmlPieces_Formula1MB(benchmark::State& state) {
  HtmlPieces(state, Large());
}
void BM_RenderHtmlUtf8_Formula1MB(benchmark::State& state) {
  HtmlUtf8(state, Large());
}
void BM_RenderHtmlUtf8Pieces_Formula1MB(benchmark::State& state) {
  HtmlUtf8Pieces(state, Large());
}
void BM_RenderHtmlTextUnicode_Formula1MB(benchmark::State& state) {
  HtmlTextUnicode(state, Large());
}
void BM_RenderHtml_Item(benchmark::State& state) {
  Html(state, Item());
}
void BM_RenderHtmlTextUnicode_Item(benchmark::State& state) {
  HtmlTextUnicode(state, Item());
}
BENCHMARK(BM_RenderHtml_Formula1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderHtmlPieces_Formula1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderHtmlUtf8_Formula1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderHtmlUtf8Pieces_Formula1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderHtmlTextUnicode_Formula1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderHtml_Item)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenderHtmlTextUnicode_Item)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace glyphwright
