// ChemRDigitQuery with the reference document as its FontListener.
// Invariants: every unit covers a digit run (a range such as 1-3 included) inside the text, and
// all units of one script carry the same word; three steps bring the document back to where it
// was (plain, subscript, superscript, plain); without a listener a text with a digit run fails
// with "Internal Error." and one without gives the empty script; the command agrees.
#include "chem/chem_r_digit_query.h"
#include "query_checks.h"
#include "text/lib.h"

using namespace glyphwright;
using namespace glyphwright::fuzz;

namespace {

void CheckUnits(std::u16string_view text, std::u16string_view script) {
  const std::optional<std::vector<Unit>> units = ReadUnits(script);
  Check(units.has_value(), "the script is made of units", U8(script));
  const std::u16string folded = ToHalfWidth(text);
  for (const Unit& unit : *units) {
    Check(unit.word == (*units)[0].word, "one word for every run", U8(script));
    Check(unit.word == u"Subscript" || unit.word == u"Superscript" || unit.word == u"NormalScript",
          "a script word", U8(script));
    CheckRangeInside(unit, text.size(), u"digits");
    const auto start = static_cast<std::size_t>(*UnitNumber(unit.first));
    const auto length = static_cast<std::size_t>(*UnitNumber(unit.second));
    std::size_t separators = 0;
    for (std::size_t i = start; i < start + length; ++i) {
      const char16_t code = folded[i];
      if (code == u'-' || code == u'~') {
        ++separators;
        Check(i > start && i + 1 < start + length, "a range separator stands between digits",
              U8(script));
      } else {
        Check(code >= u'0' && code <= u'9', "a run is digits", U8(script));
      }
    }
    Check(separators <= 1, "one range separator at most", U8(script));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const bool withoutListener = (input.Byte() % 8) == 7;
  const std::u16string text = input.RestText();

  if (withoutListener) {
    ChemRDigitQuery query;
    try {
      const std::u16string script = query.GetCommands(text);
      Check(script.empty(), "without a listener only a text without runs has a script", U8(script));
    } catch (const AutomationError& error) {
      Check(error.Number() == 1 && error.Description() == u"Internal Error.",
            "without a listener: Internal Error.", error.what());
    }
    return 0;
  }

  const auto document = MakeDocument(text);
  const std::string start = Json(*document);
  std::u16string firstScript;
  for (int step = 0; step < 3; ++step) {
    ChemRDigitQuery query;
    query.SetFontListener(document);
    const std::u16string script = query.GetCommands(document->BeginQuery());
    CheckUnits(text, script);
    if (step == 0) {
      firstScript = script;
      CheckCliScript("digits", {}, text, script);
    }
    RunScript(document, script);
    if (step == 0) CheckCliFormat("digits", {}, text, CliHtml(*document));
  }
  Check(Json(*document) == start, "three steps come back to the start",
        start + "\n" + Json(*document) + "\n" + U8(firstScript));
  return 0;
}
