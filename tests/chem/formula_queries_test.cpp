// ChemFormulaQuery and IonFormulaQuery: text in, script out, with the default prefix list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chem/chem_formula_query.h"
#include "chem/chem_test_support.h"
#include "chem/ion_formula_query.h"

namespace glyphwright {
namespace {

using testing::Lines;
using testing::U16;
using testing::U8;

struct QueryCase {
  std::string text;
  std::vector<std::string> lines;
};

void PrintTo(const QueryCase& row, std::ostream* out) {
  *out << row.text;
}

class ChemFormula : public ::testing::TestWithParam<QueryCase> {};

TEST_P(ChemFormula, Script) {
  ChemFormulaQuery query;
  EXPECT_EQ(U8(query.GetCommands(U16(GetParam().text))), Lines(GetParam().lines));
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, ChemFormula,
    ::testing::Values(
        QueryCase{"H2SO4", {"=1", "=1", "Subscript", "=4", "=1", "Subscript"}},
        // Italic units first, then subscripts, then the replacements, each group in text order.
        QueryCase{"p-CH3C6H4C#N",
                  {"=0", "=1", "Italic", "=4", "=1", "Subscript", "=6", "=1", "Subscript", "=8",
                   "=1", "Subscript", "=10", "=8801", "ReplaceChar"}},
        QueryCase{"", {}}, QueryCase{"2H2O", {"=2", "=1", "Subscript"}},
        QueryCase{"\xEF\xBC\xA8\xEF\xBC\x92\xEF\xBC\xAF", {"=1", "=1", "Subscript"}},  // Ｈ２Ｏ
        QueryCase{"SO42-", {"=2", "=2", "Subscript"}},  // charges are left alone
        QueryCase{"t-Bu", {"=0", "=1", "Italic"}}, QueryCase{"t-BuOH", {"=0", "=1", "Italic"}},
        QueryCase{"T-Bu", {}}, QueryCase{"tBu", {}},
        QueryCase{"HC#CH", {"=2", "=8801", "ReplaceChar"}},
        QueryCase{"CuSO4*5H2O",
                  {"=4", "=1", "Subscript", "=8", "=1", "Subscript", "=5", "=-155", "ReplaceChar"}},
        QueryCase{"Ca(OH)2", {"=6", "=1", "Subscript"}},
        QueryCase{"ref1-3", {"=3", "=1", "Subscript"}}));

TEST(ChemFormula, ItalicCommandSetBeforeTheFirstCall) {
  ChemFormulaQuery query;
  query.SetItalicCommand(u"Chemical Italic");
  EXPECT_EQ(U8(query.GetCommands(u"t-BuOH")), Lines({"=0", "=1", "Chemical Italic"}));
}

TEST(ChemFormula, TheObjectWhoseFirstCallCameLastSetsTheWordForAll) {
  ChemFormulaQuery first;
  first.SetItalicCommand(u"Bold");
  EXPECT_EQ(U8(first.GetCommands(u"t-Bu")), Lines({"=0", "=1", "Bold"}));
  ChemFormulaQuery second;
  second.SetItalicCommand(u"Chemical Italic");
  EXPECT_EQ(U8(second.GetCommands(u"t-Bu")), Lines({"=0", "=1", "Chemical Italic"}));
  EXPECT_EQ(U8(first.GetCommands(u"t-Bu")), Lines({"=0", "=1", "Chemical Italic"}));
}

TEST(ChemFormula, AChangeAfterTheFirstCallHasNoEffect) {
  ChemFormulaQuery query;
  EXPECT_EQ(U8(query.GetCommands(u"t-Bu")), Lines({"=0", "=1", "Italic"}));
  query.SetItalicCommand(u"Bold");
  EXPECT_EQ(query.ItalicCommand(), u"Bold");
  EXPECT_EQ(U8(query.GetCommands(u"t-Bu")), Lines({"=0", "=1", "Italic"}));
}

class IonFormula : public ::testing::TestWithParam<QueryCase> {};

TEST_P(IonFormula, Script) {
  IonFormulaQuery query;
  EXPECT_EQ(U8(query.GetCommands(U16(GetParam().text))), Lines(GetParam().lines));
}

INSTANTIATE_TEST_SUITE_P(
    Ions, IonFormula,
    ::testing::Values(
        QueryCase{"SO42-", {"=2", "=2", "Subscript", "=3", "=2", "Superscript"}},
        QueryCase{"Fe3+", {"=2", "=1", "Subscript", "=2", "=2", "Superscript"}},
        QueryCase{"[Fe(CN)6]3-",
                  {"=7", "=1", "Subscript", "=9", "=1", "Subscript", "=9", "=2", "Superscript"}},
        QueryCase{"Cu2+ + 2e-",
                  {"=2", "=1", "Subscript", "=2", "=2", "Superscript", "=9", "=1", "Superscript"}},
        QueryCase{"", {}}, QueryCase{"NH4+", {"=2", "=1", "Subscript", "=2", "=2", "Superscript"}},
        QueryCase{"(NH4)+", {"=3", "=1", "Subscript", "=5", "=1", "Superscript"}},
        QueryCase{"Na1+", {"=2", "=1", "Subscript", "=3", "=1", "Superscript"}},
        // A hyphen between groups reads as a charge.
        QueryCase{"CH3-CH3",
                  {"=2", "=1", "Subscript", "=6", "=1", "Subscript", "=2", "=2", "Superscript"}},
        QueryCase{"HC#C-", {"=2", "=8801", "ReplaceChar", "=4", "=1", "Superscript"}},
        // Full-width ２ and ＋ act as 2 and +.
        QueryCase{"Fe\xEF\xBC\x93\xEF\xBC\x8B",
                  {"=2", "=1", "Subscript", "=2", "=2", "Superscript"}},
        QueryCase{"O\xEF\xBC\x92\xEF\xBC\x8D\xEF\xBC\x8D",
                  {"=1", "=1", "Subscript", "=1", "=2", "Superscript"}}));

TEST(IonFormula, ObjectsShareTheThreadsScanners) {
  IonFormulaQuery first;
  IonFormulaQuery second;
  EXPECT_EQ(first.GetCommands(u"SO42-"), second.GetCommands(u"SO42-"));
  EXPECT_EQ(first.GetCommands(u"SO42-"), first.GetCommands(u"SO42-"));
}

}  // namespace
}  // namespace glyphwright
