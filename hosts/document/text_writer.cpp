// The plain and the Unicode renderings.
#include "document/renderers.h"
#include "document/unicode_scripts.h"
#include "document/unicode_small_capitals.h"

namespace glyphwright {
namespace {

template <class MapRun>
std::u16string Render(const Document& document, MapRun mapRun) {
  std::u16string out;
  for (const Paragraph& paragraph : document.Paragraphs()) {
    for (const Run& run : paragraph.runs) mapRun(run, out);
    if (paragraph.ended) out.push_back(u'\n');
  }
  return out;
}

}  // namespace

std::u16string RenderText(const Document& document) {
  return Render(document, [](const Run& run, std::u16string& out) { out += run.text; });
}

std::u16string RenderUnicode(const Document& document) {
  return Render(document, [](const Run& run, std::u16string& out) {
    // A subscript or superscript small capital has no character of its own: the script wins.
    char16_t (*form)(char16_t) = run.format.subscript         ? &ToSubscriptForm
                                 : run.format.superscript     ? &ToSuperscriptForm
                                 : LooksSmallCaps(run.format) ? &ToSmallCapitalForm
                                                              : nullptr;
    for (const char16_t code : run.text) out.push_back(form ? form(code) : code);
  });
}

}  // namespace glyphwright
