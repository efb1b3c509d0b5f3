// GetCommands on a text the caller hands over: the scan is prepared in the text's own memory,
// and the script must be the one the caller would get for a view of the same text.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "chem/chem_formula_query.h"
#include "chem/chem_test_support.h"
#include "chem/ion_formula_query.h"

namespace glyphwright {
namespace {

using testing::U16;
using testing::U8;

// Seven code units is the longest text a string holds without a block of its own.
const char* const kTexts[] = {
    "",
    "H",
    "H2",
    "SO42-",
    "Ca(OH)2",
    "C6H12O6",
    "CuSO4*5H2O",
    "p-CH3C6H4C#N",
    "t-BuOH",
    "[Fe(CN)6]3-",
    "\xEF\xBC\xA8\xEF\xBC\x92\xEF\xBC\xAF",  // full width, folded where it lies
    "Fe3+ \xEF\xBC\xB3\xEF\xBC\xAF\xEF\xBC\x94\xEF\xBC\x92\xEF\xBC\x8D",
    "H2O\rNaCl\nCO2\r\n",
    "2H2O ends in a digit 3",
};

std::u16string Long(std::u16string_view piece, std::size_t atLeast) {
  std::u16string text;
  while (text.size() < atLeast) text += piece;
  return text;
}

template <class Query>
void ExpectSameScriptsBothWays(const std::u16string& text) {
  Query query;
  const std::u16string byView = query.GetCommands(std::u16string_view(text));
  std::u16string exact(text);  // a block just long enough: the blank makes it grow
  exact.shrink_to_fit();
  EXPECT_EQ(U8(query.GetCommands(std::move(exact))), U8(byView)) << U8(text);
  std::u16string roomy;
  roomy.reserve(text.size() + 40);
  roomy = text;
  EXPECT_EQ(U8(query.GetCommands(std::move(roomy))), U8(byView)) << U8(text);
  // A caller that keeps its text gets the view form: the text is left as it was.
  const std::u16string kept = text;
  EXPECT_EQ(U8(query.GetCommands(kept)), U8(byView));
  EXPECT_EQ(kept, text);
}

TEST(HandedOverText, FormulaScriptsAreTheViewScripts) {
  for (const char* text : kTexts) ExpectSameScriptsBothWays<ChemFormulaQuery>(U16(text));
  // Past the length where the script's room is counted instead of guessed.
  ExpectSameScriptsBothWays<ChemFormulaQuery>(Long(u"t-BuOH CuSO4*5H2O HC#CH ", 2000));
}

TEST(HandedOverText, IonScriptsAreTheViewScripts) {
  for (const char* text : kTexts) ExpectSameScriptsBothWays<IonFormulaQuery>(U16(text));
  ExpectSameScriptsBothWays<IonFormulaQuery>(Long(u"[Fe(CN)6]3- SO42- HC#CH ", 2000));
}

TEST(HandedOverText, TheScriptsAreTheExpectedOnes) {
  ChemFormulaQuery formula;
  EXPECT_EQ(U8(formula.GetCommands(std::u16string(u"p-CH3C6H4C#N"))),
            "=0\n=1\nItalic\n=4\n=1\nSubscript\n=6\n=1\nSubscript\n=8\n=1\nSubscript\n"
            "=10\n=8801\nReplaceChar\n");
  IonFormulaQuery ion;
  EXPECT_EQ(U8(ion.GetCommands(std::u16string(u"Fe3+"))),
            "=2\n=1\nSubscript\n=2\n=2\nSuperscript\n");
  EXPECT_EQ(U8(ion.GetCommands(U16("\xEF\xBC\xA6\xEF\xBD\x85\xEF\xBC\x93\xEF\xBC\x8B"))),
            "=2\n=1\nSubscript\n=2\n=2\nSuperscript\n");  // Ｆｅ３＋
}

}  // namespace
}  // namespace glyphwright
