// ChemNameQuery: prefixes, stereodescriptors and element symbols in italics, D/L in small capitals.
#include "chem/chem_name_query.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chem/chem_formula_query.h"
#include "chem/chem_test_support.h"

namespace glyphwright {
namespace {

using testing::Lines;
using testing::U16;
using testing::U8;

struct NameCase {
  std::string text;
  std::vector<std::string> lines;
};

void PrintTo(const NameCase& row, std::ostream* out) {
  *out << row.text;
}

class ChemName : public ::testing::TestWithParam<NameCase> {};

TEST_P(ChemName, Script) {
  ChemNameQuery query;
  EXPECT_EQ(U8(query.GetCommands(U16(GetParam().text))), Lines(GetParam().lines));
}

INSTANTIATE_TEST_SUITE_P(
    Names, ChemName,
    ::testing::Values(
        // Prefixes, then stereodescriptors, then element symbols, then configuration letters.
        NameCase{"(2S,3R)-N-tert-butyl-D-threonine",
                 {"=10", "=4", "Italic",                       // tert
                  "=2", "=1", "Italic", "=5", "=1", "Italic",  // S, R
                  "=2", "=1", "Italic", "=8", "=1", "Italic",  // S again, N
                  "=21", "=1", "Small"}},                      // D
        NameCase{"", {}}, NameCase{"1H-indole", {"=1", "=1", "Italic"}},
        NameCase{"N,N'-dimethylformamide", {"=0", "=1", "Italic", "=2", "=2", "Italic"}},
        NameCase{"N,N\xE2\x80\x99-dimethylformamide",  // typographic prime U+2019
                 {"=0", "=1", "Italic", "=2", "=2", "Italic"}},
        NameCase{"L-alanine", {"=0", "=1", "Small"}}, NameCase{"DL-alanine", {"=0", "=2", "Small"}},
        NameCase{"dl-alanine", {"=0", "=2", "Italic"}},
        NameCase{"D,L-alanine", {"=0", "=1", "Small", "=2", "=1", "Small"}},
        NameCase{"Cis-butene", {}}, NameCase{"cis-butene", {"=0", "=3", "Italic"}},
        NameCase{"(e)-stilbene", {}}, NameCase{"(E)-stilbene", {"=1", "=1", "Italic"}},
        NameCase{"transoid", {"=0", "=8", "Italic"}}, NameCase{"isopropyl", {}},
        NameCase{"i-Pr", {"=0", "=1", "Italic", "=2", "=2", "Italic"}},  // Pr is praseodymium
        NameCase{"I", {"=0", "=1", "Italic"}}, NameCase{"In situ", {"=0", "=2", "Italic"}}));

TEST(ChemName, SmallCommandSetBeforeTheFirstCall) {
  ChemNameQuery query;
  query.SetSmallCommand(u"Chemical Small");
  EXPECT_EQ(U8(query.GetCommands(u"L-alanine")), Lines({"=0", "=1", "Chemical Small"}));
}

TEST(ChemName, ItalicCommandReachesAllThreeItalicLists) {
  ChemNameQuery query;
  query.SetItalicCommand(u"Chemical Italic");
  EXPECT_EQ(U8(query.GetCommands(u"cis-(E)-N")),
            Lines({"=0", "=3", "Chemical Italic", "=5", "=1", "Chemical Italic", "=8", "=1",
                   "Chemical Italic"}));
}

TEST(ChemName, TheObjectWhoseFirstCallCameLastSetsTheWordsForAll) {
  ChemNameQuery first;
  first.SetItalicCommand(u"Bold");
  first.SetSmallCommand(u"Chemical Small");
  EXPECT_EQ(U8(first.GetCommands(u"N-D")),
            Lines({"=0", "=1", "Bold", "=2", "=1", "Chemical Small"}));
  ChemNameQuery second;
  EXPECT_EQ(U8(second.GetCommands(u"N-D")), Lines({"=0", "=1", "Italic", "=2", "=1", "Small"}));
  first.SetItalicCommand(u"Bold");  // too late: the first call is made
  EXPECT_EQ(U8(first.GetCommands(u"N-D")), Lines({"=0", "=1", "Italic", "=2", "=1", "Small"}));
}

TEST(ChemName, SharesThePrefixWordWithChemFormulaQuery) {
  ChemNameQuery name;
  name.SetItalicCommand(u"Bold");
  EXPECT_EQ(U8(name.GetCommands(u"t-N")), Lines({"=0", "=1", "Bold", "=2", "=1", "Bold"}));
  ChemFormulaQuery formula;
  formula.SetItalicCommand(u"Chemical Italic");
  formula.GetCommands(u"");
  // The prefix list is shared with every ChemFormulaQuery; the element list is not.
  EXPECT_EQ(U8(name.GetCommands(u"t-N")),
            Lines({"=0", "=1", "Chemical Italic", "=2", "=1", "Bold"}));
}

}  // namespace
}  // namespace glyphwright
