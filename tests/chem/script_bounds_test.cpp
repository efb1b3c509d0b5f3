// Generated formula-like texts, seeded: every unit of every query's script lies inside the text
// and covers what its word formats.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "automation/number_text.h"
#include "chem/chem_formula_query.h"
#include "chem/chem_name_query.h"
#include "chem/chem_r_digit_query.h"
#include "chem/chem_test_support.h"
#include "chem/fake_font_listener.h"
#include "chem/ion_formula_query.h"
#include "text/prepared_text.h"
#include "chem/shared_queries.h"
#include "text/lib.h"

namespace glyphwright {
namespace {

using testing::U8;

struct Unit {
  int64_t first;
  int64_t second;
  std::u16string word;
};

// The units of a script; fails the test if the script is not whole three-line units.
std::vector<Unit> Units(const std::u16string& script) {
  std::vector<Unit> units;
  std::vector<std::u16string> lines = SplitText(script, u"\n");
  EXPECT_TRUE(lines.back().empty());
  lines.pop_back();
  EXPECT_EQ(lines.size() % 3, 0u) << U8(script);
  for (std::size_t i = 0; i + 2 < lines.size(); i += 3) {
    EXPECT_EQ(lines[i][0], u'=');
    EXPECT_EQ(lines[i + 1][0], u'=');
    units.push_back(
        {static_cast<int64_t>(TextToDouble(std::u16string_view(lines[i]).substr(1))),
         static_cast<int64_t>(TextToDouble(std::u16string_view(lines[i + 1]).substr(1))),
         lines[i + 2]});
  }
  return units;
}

std::u16string RandomFormula(std::mt19937& random) {
  // Mostly formula characters, now and then a full-width form, a typographic prime, a blank or a
  // character from far outside ASCII.
  static const std::u16string alphabet =
      std::u16string(
          u"HCONSPFeClBrCaNaKMgtpcisDLERSZ0123456789012345()[]{}+-+-#*~',; "
          u"\uFF12\uFF0B\uFF0D\u2019\u3000\u00E9") +
      std::u16string(1, char16_t{0xD83D});  // a lone surrogate
  std::uniform_int_distribution<int> length(0, 24);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::u16string text;
  for (int i = length(random); i > 0; --i) text.push_back(alphabet[pick(random)]);
  return text;
}

void CheckUnit(const Unit& unit, const std::u16string& folded) {
  const auto size = static_cast<int64_t>(folded.size());
  ASSERT_GE(unit.first, 0);
  if (unit.word == u"ReplaceChar") {
    ASSERT_LT(unit.first, size);
    const char16_t replaced = folded[static_cast<std::size_t>(unit.first)];
    EXPECT_EQ(unit.second, replaced == u'#' ? 8801 : -155);
    EXPECT_TRUE(replaced == u'#' || replaced == u'*');
    return;
  }
  ASSERT_GE(unit.second, 1);
  ASSERT_LE(unit.first + unit.second, size);
  const std::u16string_view covered = std::u16string_view(folded).substr(
      static_cast<std::size_t>(unit.first), static_cast<std::size_t>(unit.second));
  if (unit.word == u"Superscript" && (covered.back() == u'+' || covered.back() == u'-')) {
    EXPECT_LE(covered.size(), 2u);
  } else if (unit.word == u"Subscript" || unit.word == u"Superscript" ||
             unit.word == u"NormalScript") {
    EXPECT_TRUE(IsDigitChar(covered.front()) && IsDigitChar(covered.back())) << U8(covered);
  } else if (unit.word == u"Italic" || unit.word == u"Small") {
    EXPECT_TRUE(IsAlphaChar(covered.front())) << U8(covered);
  } else {
    ADD_FAILURE() << "unexpected word " << U8(unit.word);
  }
}

void CheckScript(const std::u16string& text, const std::u16string& script) {
  const std::u16string folded = ToHalfWidth(text);
  for (const Unit& unit : Units(script)) {
    CheckUnit(unit, folded);
    if (::testing::Test::HasFatalFailure()) {
      ADD_FAILURE() << "text: " << U8(text) << "\nscript:\n" << U8(script);
      return;
    }
  }
}

TEST(ScriptBounds, EveryUnitLiesInsideTheText) {
  std::mt19937 random(31415);
  ChemFormulaQuery formula;
  IonFormulaQuery ion;
  ChemNameQuery name;
  ChemRDigitQuery digits;
  auto listener = std::make_shared<testing::FakeFontListener>();
  digits.SetFontListener(listener);
  for (int i = 0; i < 3000; ++i) {
    const std::u16string text = RandomFormula(random);
    CheckScript(text, formula.GetCommands(text));
    CheckScript(text, ion.GetCommands(text));
    CheckScript(text, name.GetCommands(text));
    CheckScript(text, digits.GetCommands(text));
    if (HasFailure()) break;
  }
}

TEST(ScriptBounds, EachScanKnowsTheLengthOfItsFragment) {
  std::mt19937 random(27182);
  ChemSubscriptQuery subscript;
  ChemSubscriptQuery ranges;
  ranges.SetAllowRange(true);
  ranges.SetCommand(u"NormalScript");
  const ChemSuperscriptQuery superscript;
  const TripleBondTransQuery tripleBond;
  ChemKeywordsQuery elements;
  elements.SetKeywords(kElementKeywords);
  elements.SetPrimeMode(ChemKeywordsQuery::kKeywordWithPrimes);
  elements.SetCommand(u"Chemical Italic");
  for (int i = 0; i < 3000; ++i) {
    // Long texts too, so positions run to several digits.
    std::u16string text = RandomFormula(random);
    if (i % 100 == 0) text = std::u16string(std::size_t{123456}, u'x') + text;
    CodeArray chars;
    PrepareChars(text, chars);
    ASSERT_EQ(subscript.CommandsLength(chars), subscript.GetCommands(chars).size());
    ASSERT_EQ(ranges.CommandsLength(chars), ranges.GetCommands(chars).size());
    ASSERT_EQ(superscript.CommandsLength(chars), superscript.GetCommands(chars).size());
    ASSERT_EQ(tripleBond.CommandsLength(chars), tripleBond.GetCommands(chars).size());
    ASSERT_EQ(elements.CommandsLength(chars), elements.GetCommands(chars).size());
  }
}

}  // namespace
}  // namespace glyphwright
