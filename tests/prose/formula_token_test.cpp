// Which tokens of running text are formulas, and which are codes, labels and words.
#include "prose/formula_token.h"

#include <gtest/gtest.h>

#include <string>

#include "text/utf8.h"

namespace glyphwright::prose {
namespace {

struct Case {
  const char16_t* token;
  FormulaKind kind;
};

void PrintTo(const Case& c, std::ostream* out) {
  *out << Utf16ToUtf8(c.token);
}

class FormulaTokenTest : public ::testing::TestWithParam<Case> {};

TEST_P(FormulaTokenTest, Classifies) {
  EXPECT_EQ(ClassifyFormula(GetParam().token), GetParam().kind);
}

constexpr FormulaKind kNeutral = FormulaKind::Neutral;
constexpr FormulaKind kCharged = FormulaKind::Charged;
constexpr FormulaKind kNone = FormulaKind::None;

INSTANTIATE_TEST_SUITE_P(
    Formulas, FormulaTokenTest,
    ::testing::Values(Case{u"H2SO4", kNeutral}, Case{u"Ca(OH)2", kNeutral},
                      Case{u"(NH4)2SO4", kNeutral}, Case{u"Pd(PPh3)4", kNeutral},
                      Case{u"Pd2(dba)3", kNeutral}, Case{u"P(o-tol)3", kNeutral},
                      Case{u"t-BuOH", kNeutral}, Case{u"n-BuLi", kNeutral}, Case{u"t-Bu", kNeutral},
                      Case{u"2H2O", kNeutral}, Case{u"CuSO4\u00B75H2O", kNeutral},
                      Case{u"HC#CH", kNeutral}, Case{u"CH3-CH3", kNeutral},
                      Case{u"CDCl3", kNeutral}, Case{u"C6D6", kNeutral}, Case{u"D2O", kNeutral},
                      Case{u"O2", kNeutral}, Case{u"C60", kNeutral}, Case{u"S8", kNeutral},
                      Case{u"C3N4", kNeutral}, Case{u"Et3N", kNeutral},
                      Case{u"Cu(OTf)2", kNeutral}));

INSTANTIATE_TEST_SUITE_P(Ions, FormulaTokenTest,
                         ::testing::Values(Case{u"SO42-", kCharged}, Case{u"Fe3+", kCharged},
                                           Case{u"[Fe(CN)6]3-", kCharged}, Case{u"NH4+", kCharged},
                                           Case{u"Cl-", kCharged}, Case{u"Na+", kCharged},
                                           Case{u"H+", kCharged}, Case{u"OH-", kCharged},
                                           Case{u"O2-", kCharged},
                                           Case{u"[Ru(bpy)3]2+", kCharged}));

// Codes, labels, cell lines and words: the chemistry says they are no formulas.
INSTANTIATE_TEST_SUITE_P(
    Traps, FormulaTokenTest,
    ::testing::Values(
        Case{u"A549", kNone}, Case{u"HEK293T", kNone}, Case{u"COVID-19", kNone},
        Case{u"B3LYP", kNone}, Case{u"6-31G(d)", kNone}, Case{u"IC50", kNone}, Case{u"PC3", kNone},
        Case{u"PC12", kNone}, Case{u"CD4+", kNone}, Case{u"CD34", kNone}, Case{u"H1N1", kNone},
        Case{u"H3N2", kNone}, Case{u"C18", kNone}, Case{u"B12", kNone}, Case{u"S1", kNone},
        Case{u"K562", kNone}, Case{u"Cy5", kNone}, Case{u"Cas9", kNone}, Case{u"In", kNone},
        Case{u"NaCl", kNone}, Case{u"C-H", kNone}, Case{u"SH-SY5Y", kNone}, Case{u"Si(100)", kNone},
        Case{u"B+", kNone}, Case{u"N-", kNone}, Case{u"c-Si", kNone}, Case{u"Fe(III)", kNone},
        Case{u"2", kNone}, Case{u"", kNone}, Case{u"H2O-soluble", kNone}, Case{u"Th17", kNone},
        Case{u"S0", kNone}, Case{u"Ca((OH)2", kNone}, Case{u"Ca(OH))2", kNone}));

TEST(SingleElementFormulaTest, TellsMoleculesOfOneElementApart) {
  EXPECT_TRUE(IsSingleElementFormula(u"S8"));
  EXPECT_TRUE(IsSingleElementFormula(u"O2"));
  EXPECT_FALSE(IsSingleElementFormula(u"H2O"));
  EXPECT_FALSE(IsSingleElementFormula(u"Fe3+"));
}

}  // namespace
}  // namespace glyphwright::prose
