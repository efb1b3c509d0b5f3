// JournalQuery. Invariants: never raises; the script is empty or styles one reference: an
// italic name that starts with a capital letter, then a bold year or volume of digits, then
// (year first) an italic volume of digits, all inside the text and in text order; no character
// changes; the command agrees.
#include "journal/journal_query.h"
#include "query_checks.h"
#include "text/lib.h"

using namespace glyphwright;
using namespace glyphwright::fuzz;

namespace {

void CheckDigits(std::u16string_view folded, const Unit& unit, std::u16string_view script) {
  const auto start = static_cast<std::size_t>(*UnitNumber(unit.first));
  const auto length = static_cast<std::size_t>(*UnitNumber(unit.second));
  for (std::size_t i = start; i < start + length; ++i) {
    Check(folded[i] >= u'0' && folded[i] <= u'9', "a year or volume is digits", U8(script));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::u16string text = FuzzInput(data, size).RestText();
  std::u16string script;
  try {
    script = JournalQuery().GetCommands(text);
  } catch (...) {
    Fail("JournalQuery never raises");
  }
  const std::optional<std::vector<Unit>> units = ReadUnits(script);
  Check(units.has_value() && units->size() <= 3, "at most three units", U8(script));
  const std::u16string folded = ToHalfWidth(text);
  int64_t lastEnd = 0;
  for (std::size_t k = 0; k < units->size(); ++k) {
    const Unit& unit = (*units)[k];
    CheckRangeInside(unit, text.size(), u"journal");
    const int64_t start = *UnitNumber(unit.first);
    Check(start >= lastEnd, "ranges in text order, apart", U8(script));
    lastEnd = start + *UnitNumber(unit.second);
    if (k == 0) {
      Check(unit.word == u"Italic", "the name is italic", U8(script));
      Check(folded[static_cast<std::size_t>(start)] >= u'A' &&
                folded[static_cast<std::size_t>(start)] <= u'Z',
            "the name starts with a capital", U8(script));
    } else {
      Check(unit.word == (k == 1 ? u"Bold" : u"Italic"), "bold, then italic", U8(script));
      CheckDigits(folded, unit, script);
    }
  }

  const auto document = MakeDocument(text);
  RunScript(document, script);
  Check(document->Text() == text, "a reference keeps every character");
  CheckCliScript("journal", {}, text, script);
  CheckCliFormat("journal", {}, text, CliHtml(*document));
  return 0;
}
