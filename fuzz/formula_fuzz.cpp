// ChemFormulaQuery: prefixes in italics, counts subscripted, "#" and "*" replaced.
// Invariants: every unit lies inside the text; italic units come first, then subscripts, then
// replacements; exactly the "#" and "*" of the folded text are replaced; the script run twice
// on the document leaves what running it once leaves; the command gives the same script and
// the same formatted document.
#include <array>

#include "chem/chem_formula_query.h"
#include "query_checks.h"
#include "text/lib.h"

using namespace glyphwright;
using namespace glyphwright::fuzz;

namespace {

// Words that format a range; the last two are no words at all and do nothing.
constexpr std::array<std::u16string_view, 8> kItalicCommands = {
    u"Italic",    u"Chemical Italic", u"Bold", u"Small",
    u"Subscript", u"NormalScript",    u"",     u"italic"};

int Group(std::u16string_view word, std::u16string_view italic) {
  if (word == u"ReplaceChar") return 2;
  if (word == u"Subscript" && italic != u"Subscript") return 1;
  return word == italic ? 0 : (word == u"Subscript" ? 1 : -1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const std::u16string italic(input.Pick(kItalicCommands));
  const std::u16string text = input.RestText();

  ChemFormulaQuery query;
  query.SetItalicCommand(italic);
  const std::u16string script = query.GetCommands(text);
  const std::optional<std::vector<Unit>> units = ReadUnits(script);
  Check(units.has_value(), "the script is made of units", U8(script));

  const std::u16string folded = ToHalfWidth(text);
  std::size_t replacements = 0;
  int lastGroup = 0;
  for (const Unit& unit : *units) {
    const int group = Group(unit.word, italic);
    Check(group >= lastGroup, "italics, then subscripts, then replacements", U8(script));
    lastGroup = group;
    if (unit.word == u"ReplaceChar") {
      const std::optional<int64_t> at = UnitNumber(unit.first);
      Check(at && *at >= 0 && *at < static_cast<int64_t>(text.size()), "replacement inside",
            U8(script));
      const char16_t original = folded[static_cast<std::size_t>(*at)];
      Check((original == u'#' && unit.second == u"8801") ||
                (original == u'*' && unit.second == u"-155"),
            "only # and * are replaced, each by its sign", U8(script));
      ++replacements;
    } else {
      CheckRangeInside(unit, text.size(), u"formula");
    }
  }
  std::size_t signs = 0;
  for (const char16_t code : folded) signs += code == u'#' || code == u'*';
  Check(replacements == signs, "every # and * is replaced once", U8(script));

  if (OverflowsTheStack(*units)) {
    CheckStackOverflow(MakeDocument(text), script);
    return 0;
  }
  const auto once = MakeDocument(text);
  RunScript(once, script);
  const auto twice = MakeDocument(text);
  RunScript(twice, script);
  RunScript(twice, script);
  Check(Json(*once) == Json(*twice), "twice is once", Json(*once) + "\n" + Json(*twice));
  Check(once->Size() == static_cast<int32_t>(text.size()), "no character comes or goes");

  const std::vector<Setting> settings{{u"ItalicCommand", italic}};
  CheckCliScript("formula", settings, text, script);
  CheckCliFormat("formula", settings, text, CliHtml(*once));
  return 0;
}
