// IonFormulaQuery: "#" and "*" replaced, counts subscripted, charges superscripted.
// Invariants: replacements first, then subscripts, then superscripts, each inside the text; a
// replacement only where the folded text has "#" or "*"; a superscript ends on a "+" or "-" and
// holds at most a charge digit before it; the script run twice on the document leaves what
// running it once leaves; the command gives the same script and the same document.
#include "chem/ion_formula_query.h"
#include "query_checks.h"
#include "text/lib.h"

using namespace glyphwright;
using namespace glyphwright::fuzz;

namespace {

int Group(std::u16string_view word) {
  if (word == u"ReplaceChar") return 0;
  if (word == u"Subscript") return 1;
  if (word == u"Superscript") return 2;
  return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::u16string text = FuzzInput(data, size).RestText();
  IonFormulaQuery query;
  const std::u16string script = query.GetCommands(text);
  const std::optional<std::vector<Unit>> units = ReadUnits(script);
  Check(units.has_value(), "the script is made of units", U8(script));

  const std::u16string folded = ToHalfWidth(text);
  int lastGroup = 0;
  for (const Unit& unit : *units) {
    const int group = Group(unit.word);
    Check(group >= lastGroup, "replacements, then subscripts, then superscripts", U8(script));
    lastGroup = group;
    if (group == 0) {
      const std::optional<int64_t> at = UnitNumber(unit.first);
      Check(at && *at >= 0 && *at < static_cast<int64_t>(text.size()), "replacement inside",
            U8(script));
      const char16_t original = folded[static_cast<std::size_t>(*at)];
      Check((original == u'#' && unit.second == u"8801") ||
                (original == u'*' && unit.second == u"-155"),
            "only # and * are replaced, each by its sign", U8(script));
      continue;
    }
    CheckRangeInside(unit, text.size(), u"ion");
    const auto start = static_cast<std::size_t>(*UnitNumber(unit.first));
    const auto length = static_cast<std::size_t>(*UnitNumber(unit.second));
    if (group == 2) {
      const char16_t sign = folded[start + length - 1];
      Check(sign == u'+' || sign == u'-', "a charge ends with its sign", U8(script));
      Check(length == 1 || (length == 2 && folded[start] >= u'2' && folded[start] <= u'7'),
            "a charge number is one digit 2 to 7", U8(script));
    } else {
      for (std::size_t i = start; i < start + length; ++i) {
        Check(folded[i] >= u'0' && folded[i] <= u'9', "a count is digits", U8(script));
      }
    }
  }

  const auto once = MakeDocument(text);
  RunScript(once, script);
  const auto twice = MakeDocument(text);
  RunScript(twice, script);
  RunScript(twice, script);
  Check(Json(*once) == Json(*twice), "twice is once", Json(*once) + "\n" + Json(*twice));
  Check(once->Size() == static_cast<int32_t>(text.size()), "no character comes or goes");

  CheckCliScript("ion", {}, text, script);
  CheckCliFormat("ion", {}, text, CliHtml(*once));
  return 0;
}
