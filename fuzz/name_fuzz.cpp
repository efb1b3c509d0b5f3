// ChemNameQuery: prefixes, stereodescriptors and element locants in italics, D/L in small
// capitals. Invariants: every unit lies inside the text and covers ASCII letters (and the primes
// of an element symbol); units carry only the two command words; no character changes; the
// script run twice leaves what running it once leaves; the command agrees.
#include <array>

#include "chem/chem_name_query.h"
#include "query_checks.h"
#include "text/lib.h"

using namespace glyphwright;
using namespace glyphwright::fuzz;

namespace {

constexpr std::array<std::u16string_view, 5> kItalicCommands = {u"Italic", u"Chemical Italic",
                                                                u"Bold", u"Superscript", u""};
constexpr std::array<std::u16string_view, 4> kSmallCommands = {u"Small", u"Chemical Small", u"Bold",
                                                               u"Small "};

bool IsLetter(char16_t code) {
  return (code >= u'A' && code <= u'Z') || (code >= u'a' && code <= u'z');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const std::u16string italic(input.Pick(kItalicCommands));
  const std::u16string small(input.Pick(kSmallCommands));
  const std::u16string text = input.RestText();

  ChemNameQuery query;
  query.SetItalicCommand(italic);
  query.SetSmallCommand(small);
  const std::u16string script = query.GetCommands(text);
  const std::optional<std::vector<Unit>> units = ReadUnits(script);
  Check(units.has_value(), "the script is made of units", U8(script));
  const std::u16string folded = ToHalfWidth(text);
  for (const Unit& unit : *units) {
    Check(unit.word == italic || unit.word == small, "only the two command words", U8(script));
    CheckRangeInside(unit, text.size(), u"name");
    const auto start = static_cast<std::size_t>(*UnitNumber(unit.first));
    const auto length = static_cast<std::size_t>(*UnitNumber(unit.second));
    Check(IsLetter(folded[start]), "a unit starts with a letter", U8(script));
    Check(start == 0 || !IsLetter(folded[start - 1]), "a whole word", U8(script));
    bool primes = false;
    for (std::size_t i = start; i < start + length; ++i) {
      if (folded[i] == u'\'') {
        primes = true;
      } else {
        Check(!primes && IsLetter(folded[i]), "letters, then primes", U8(script));
      }
    }
    // A word ends where its letters do; primes may have letters after them (N,N'mamide).
    Check(primes || start + length >= text.size() || !IsLetter(folded[start + length]),
          "a whole word", U8(script));
  }

  if (OverflowsTheStack(*units)) {
    CheckStackOverflow(MakeDocument(text), script);
    return 0;
  }
  const auto once = MakeDocument(text);
  RunScript(once, script);
  Check(once->Text() == text, "a name keeps every character");
  const auto twice = MakeDocument(text);
  RunScript(twice, script);
  RunScript(twice, script);
  Check(Json(*once) == Json(*twice), "twice is once", Json(*once) + "\n" + Json(*twice));

  const std::vector<Setting> settings{{u"ItalicCommand", italic}, {u"SmallCommand", small}};
  CheckCliScript("name", settings, text, script);
  CheckCliFormat("name", settings, text, CliHtml(*once));
  return 0;
}
