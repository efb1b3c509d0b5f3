#include "characterisation/formula.h"

#include <gtest/gtest.h>

#include <cmath>

namespace glyphwright {
namespace {

struct CountCase {
  std::u16string_view text;
  std::u16string_view symbol;
  double count;
};

class FormulaCounts : public testing::TestWithParam<CountCase> {};

TEST_P(FormulaCounts, CountsEveryAtom) {
  const FormulaResult result = ParseFormula(GetParam().text);
  ASSERT_TRUE(result.ok);
  EXPECT_DOUBLE_EQ(result.formula.CountOf(GetParam().symbol), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, FormulaCounts,
    testing::Values(CountCase{u"C10H12O2", u"C", 10}, CountCase{u"C10H12O2", u"H", 12},
                    CountCase{u"CHCl3", u"Cl", 3}, CountCase{u"CHCl3", u"C", 1},
                    CountCase{u"Ca(OH)2", u"H", 2}, CountCase{u"Ca(OH)2", u"O", 2},
                    CountCase{u"[Cu(NH3)4]SO4", u"H", 12}, CountCase{u"[Cu(NH3)4]SO4", u"O", 4},
                    CountCase{u"{[Fe(CN)6]}2", u"N", 12}, CountCase{u"CH3CH2OH", u"C", 2},
                    CountCase{u"CH3CH2OH", u"H", 6}, CountCase{u"C10H12O2\u00B7H2O", u"H", 14},
                    CountCase{u"C10H12O2\u00B7H2O", u"O", 3},
                    CountCase{u"C8H9NO\u00B70.5H2O", u"H", 10},
                    CountCase{u"CuSO4\u00B75H2O", u"O", 9}, CountCase{u"C6D6", u"D", 6},
                    CountCase{u"C6D6", u"H", 0}, CountCase{u"2H2O", u"H", 4}));

struct ChargeCase {
  std::u16string_view text;
  int charge;
  double carbons;
};

class FormulaCharges : public testing::TestWithParam<ChargeCase> {};

TEST_P(FormulaCharges, TakesTheChargeOffTheEnd) {
  const FormulaResult result = ParseFormula(GetParam().text);
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.formula.charge, GetParam().charge);
  EXPECT_DOUBLE_EQ(result.formula.CountOf(u"C"), GetParam().carbons);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, FormulaCharges,
    testing::Values(ChargeCase{u"C10H13O2", 0, 10}, ChargeCase{u"C10H13O2+", 1, 10},
                    ChargeCase{u"C9H7O2-", -1, 9}, ChargeCase{u"C9H7O2\u2212", -1, 9},
                    ChargeCase{u"[C6H5O]\u2212", -1, 6}, ChargeCase{u"[C20H24N2]2+", 2, 20},
                    ChargeCase{u"C8H10+\u2022", 1, 8}, ChargeCase{u"C2O4--", -2, 2}));

struct ErrorCase {
  std::u16string_view text;
  std::size_t offset;
};

class FormulaErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(FormulaErrors, NamesWhereItGoesWrong) {
  const FormulaResult result = ParseFormula(GetParam().text);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.errorOffset, GetParam().offset);
  ASSERT_FALSE(result.error.empty());
  EXPECT_EQ(result.error.back(), u'.');
}

INSTANTIATE_TEST_SUITE_P(Formulas, FormulaErrors,
                         testing::Values(ErrorCase{u"", 0}, ErrorCase{u"C10Xx3", 3},
                                         ErrorCase{u"C10H12O2)", 8}, ErrorCase{u"Ca(OH2", 2},
                                         ErrorCase{u"C10H12O2\u00B7", 9}, ErrorCase{u"C0H2", 1},
                                         ErrorCase{u"C10 H12", 3}, ErrorCase{u"()", 1},
                                         ErrorCase{u"C999999999H", 1}, ErrorCase{u"Q", 0},
                                         ErrorCase{u"(H\u00B7H2O)", 2}));

TEST(FormulaNesting, DeepBracketsAreRefusedNotRecursed) {
  std::u16string text(10000, u'(');
  text += u"H";
  EXPECT_FALSE(ParseFormula(text).ok);
}

TEST(FormulaMasses, MonoisotopicMassSumsTheMainIsotopes) {
  // 10 x 12 + 13 x 1.00782503207 + 2 x 15.99491461956, by hand.
  const FormulaResult result = ParseFormula(u"C10H13O2");
  EXPECT_NEAR(MonoisotopicMass(result.formula), 165.09155465603, 1e-9);
}

TEST(FormulaMasses, AnIonLosesOrGainsItsElectrons) {
  const Formula formula = ParseFormula(u"C10H13O2").formula;
  EXPECT_NEAR(IonMz(formula, 1), 165.09100607612, 1e-9);
  EXPECT_NEAR(IonMz(formula, -1), 165.09210323594, 1e-9);
  EXPECT_NEAR(IonMz(formula, 2), (165.09155465603 - 2 * kElectronMass) / 2, 1e-9);
}

TEST(FormulaMasses, PercentagesUseStandardAtomicWeights) {
  // C 120.11, H 12.096, O 31.998 of 164.204.
  const Formula formula = ParseFormula(u"C10H12O2").formula;
  EXPECT_NEAR(AverageMass(formula), 164.204, 1e-9);
  EXPECT_NEAR(MassPercent(formula, u"C"), 73.1468, 1e-4);
  EXPECT_NEAR(MassPercent(formula, u"H"), 7.3665, 1e-4);
  EXPECT_EQ(MassPercent(formula, u"N"), 0);
}

TEST(ElementTable, HoldsEveryElementOnceWithItsMasses) {
  int highest = 0;
  for (const ElementData& element : Elements()) {
    highest = std::max(highest, element.number);
    EXPECT_LT(std::abs(element.monoisotopic - element.massNumber), 0.5) << element.number;
  }
  EXPECT_EQ(highest, 118);
  EXPECT_EQ(FindElement(u"C")->monoisotopic, 12.0);
  EXPECT_EQ(FindElement(u"Na")->monoisotopic, 22.9897692809);
  EXPECT_EQ(FindElement(u"Br")->massNumber, 79);
  EXPECT_EQ(FindElement(u"Cl")->weight, 35.45);
  EXPECT_EQ(FindElement(u"cl"), nullptr);
}

}  // namespace
}  // namespace glyphwright
