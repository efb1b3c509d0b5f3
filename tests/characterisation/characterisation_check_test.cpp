#include "characterisation/characterisation_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace glyphwright {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

std::vector<std::size_t> Offsets(std::u16string_view text) {
  std::vector<std::size_t> offsets;
  for (const Finding& finding : CheckCharacterisation(text)) offsets.push_back(finding.offset);
  return offsets;
}

std::size_t At(std::u16string_view text, std::u16string_view piece) {
  return text.find(piece);
}

// Hand-checked: C10H13O2+ = 165.09155466 - 0.00054858 = 165.0910; C12H14NaO3+ = 229.0835;
// C9H7O2- = 147.04460446 + 0.00054858 = 147.0452; C10H12O2: C 73.15, H 7.37 (weights 12.011,
// 1.008, 15.999).
struct CheckCase {
  const char* name;
  std::u16string_view text;
  std::vector<std::u16string_view> faults;  // the text at each finding's offset, in order
};

class CheckCases : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckCases, FindsExactlyTheFaults) {
  const CheckCase& c = GetParam();
  std::vector<std::size_t> expected;
  for (std::u16string_view fault : c.faults) expected.push_back(At(c.text, fault));
  EXPECT_EQ(Offsets(c.text), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Hrms, CheckCases,
    testing::Values(
        CheckCase{"Rsc", u"HRMS (ESI) m/z calcd for C10H13O2 [M+H]+ 165.0910, found 165.0912.", {}},
        CheckCase{"Acs",
                  u"HRMS (ESI-TOF) m/z: [M + Na]+ Calcd for C12H14NaO3 229.0835; Found 229.0832.",
                  {}},
        CheckCase{
            "Wiley", u"HRMS (ESI): m/z calcd for C10H13O2+ [M+H]+: 165.0910; found: 165.0907.", {}},
        CheckCase{"Anion",
                  u"HRMS (ESI) m/z [M \u2212 H]\u2212 calcd for C9H7O2 147.0452, found 147.0449.",
                  {}},
        CheckCase{"CalcdWithPoint",
                  u"HRMS (ESI): m/z calcd. for C10H13O2+ [M+H]+ 165.0920; found 165.0912.",
                  {u"165.0920"}},
        CheckCase{"ThreeDecimals", u"HRMS calcd for C10H13O2 [M+H]+ 165.091, found 165.092.", {}},
        CheckCase{"CalcdWrong",
                  u"HRMS (ESI) m/z calcd for C10H13O2 [M+H]+ 165.0925, found 165.0912.",
                  {u"165.0925"}},
        // The neutral's mass, 165.0916, misses the electron by 0.00055.
        CheckCase{"ElectronForgotten",
                  u"HRMS (ESI) m/z calcd for C10H13O2 [M+H]+ 165.0916, found 165.0912.",
                  {u"165.0916"}},
        CheckCase{"AnionElectronWrongWay",
                  u"HRMS (ESI) m/z calcd for C9H7O2 [M\u2212H]\u2212 147.0441, found 147.0449.",
                  {u"147.0441"}},
        CheckCase{"FoundTooFar",
                  u"HRMS (ESI) m/z calcd for C10H13O2 [M+H]+ 165.0910, found 165.0970.",
                  {u"165.0970"}},
        CheckCase{"FoundJustInside",
                  u"HRMS (ESI) m/z calcd for C10H13O2 [M+H]+ 165.0910, found 165.0958.",
                  {}},
        // At m/z 757.5361 10 ppm is 0.0076, more than 0.0050.
        CheckCase{"PpmRuleAtHighMass",
                  u"HRMS (ESI) m/z calcd for C44H73N2O8 [M+H]+ 757.5361, found 757.5431.",
                  {}},
        CheckCase{"PpmRuleExceeded",
                  u"HRMS (ESI) m/z calcd for C44H73N2O8 [M+H]+ 757.5361, found 757.5441.",
                  {u"757.5441"}},
        CheckCase{"SodiumMissing",
                  u"HRMS (ESI) m/z [M + Na]+ calcd for C12H14O3 229.0835, found 229.0832.",
                  {u"C12H14O3", u"229.0835", u"229.0832"}},
        CheckCase{"WrongFormula",
                  u"HRMS (ESI) m/z calcd for C10H15O2 [M+H]+ 165.0910, found 165.0912.",
                  {u"165.0910", u"165.0912"}},
        CheckCase{"UnknownElement",
                  u"HRMS (ESI) m/z calcd for C10H13Oq2 [M+H]+ 165.0910, found 165.0912.",
                  {u"Oq2"}},
        CheckCase{"RadicalCation",
                  u"HRMS (EI) m/z calcd for C10H12O2 (M+\u2022) 164.0832, found 164.0837.",
                  {}},
        CheckCase{"TwoClauses",
                  u"HRMS calcd for C10H13O2 [M+H]+ 165.0910, found 165.0912; calcd for "
                  u"C10H12NaO2 [M+Na]+ 187.0740, found 187.0732.",
                  {u"187.0740"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Analysis, CheckCases,
    testing::Values(
        CheckCase{
            "Acs", u"Anal. Calcd for C10H12O2: C, 73.15; H, 7.37. Found: C, 73.10; H, 7.40.", {}},
        CheckCase{"Wiley",
                  u"Elemental analysis calcd (%) for C10H12O2: C 73.15, H 7.37; found: C 73.41, H "
                  u"7.52.",
                  {}},
        CheckCase{"RoundingAllowed",
                  u"Anal. Calcd for C10H12O2: C, 73.14; H, 7.36. Found: C, 73.10; H, 7.40.",
                  {}},
        CheckCase{"CalcdWrong",
                  u"Anal. Calcd for C10H12O2: C, 73.17; H, 7.37. Found: C, 73.10; H, 7.40.",
                  {u"73.17"}},
        CheckCase{"FoundOff",
                  u"Anal. Calcd for C10H12O2: C, 73.15; H, 7.37. Found: C, 72.70; H, 7.40.",
                  {u"72.70"}},
        CheckCase{"FoundAtTheLimit",
                  u"Anal. Calcd for C10H12O2: C, 73.15; H, 7.37. Found: C, 72.75; H, 7.77.",
                  {}},
        CheckCase{"NitrogenNotInFormula",
                  u"Anal. Calcd for C10H12O2: C, 73.15; H, 7.37; N, 1.20. Found: C, 73.10; H, "
                  u"7.40; N, 1.22.",
                  {u"1.20", u"1.22"}},
        // C8H9NO plus half a water: C 96.088, H 10.080, N 14.007 of 144.1735, by hand.
        CheckCase{"Hemihydrate",
                  u"Anal. Calcd for C8H9NO\u00B70.5H2O: C, 66.65; H, 6.99; N, 9.72. Found: C, "
                  u"66.41; H, 7.02; N, 9.70.",
                  {}},
        // Without the water: C 71.09, H 6.71, N 10.36.
        CheckCase{"HemihydrateForgotten",
                  u"Anal. Calcd for C8H9NO: C, 66.65; H, 6.99; N, 9.72. Found: C, 66.41; H, 7.02; "
                  u"N, 9.70.",
                  {u"66.65", u"6.99", u"9.72", u"66.41", u"9.70"}},
        CheckCase{"FormulaBeforeCalcd",
                  u"C10H12O2 (164.20): calcd. C 73.15, H 7.37; found C 73.01, H 7.45.",
                  {}},
        CheckCase{"FormulaBeforeCalcdWrong",
                  u"C10H12O2 (164.20): calcd. C 73.15, H 7.73; found C 73.01, H 7.95.",
                  {u"7.73", u"7.95"}},
        CheckCase{"FormulaBeforeWithoutWeight",
                  u"C10H12O2: calcd. C 73.15, H 7.37; found C 73.91, H 7.45.",
                  {u"73.91"}},
        // Prose before 'calcd' is no formula.
        CheckCase{"ProseBeforeCalcd", u"Values (calcd C 73.99) as reported.", {}},
        CheckCase{"OneElementBeforeCalcd", u"C: calcd 73.99; found 70.00.", {}},
        CheckCase{
            "MolecularWeight",
            u"Anal. Calcd for C10H12O2 (164.20): C, 73.15; H, 7.37. Found: C, 73.10; H, 7.40.",
            {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckCharacterisation, TextWithoutCalcdHasNoFindings) {
  EXPECT_THAT(CheckCharacterisation(u"mp 163-165 \u00B0C; Rf 0.45 (hexane/EtOAc 4:1)."), IsEmpty());
  EXPECT_THAT(CheckCharacterisation(u""), IsEmpty());
  EXPECT_THAT(CheckCharacterisation(u"calcd for"), IsEmpty());
  EXPECT_THAT(CheckCharacterisation(u"calcd for C10H13O2"), IsEmpty());
}

TEST(CheckCharacterisation, MessagesSayWhatTheValueShouldBe) {
  const auto findings =
      CheckCharacterisation(u"HRMS (ESI) m/z calcd for C10H13O2 [M+H]+ 165.0925, found 165.0990.");
  ASSERT_EQ(findings.size(), 2u);
  const std::u16string& calcd = findings[0].message;
  EXPECT_NE(calcd.find(u"165.0910"), std::u16string::npos);
  EXPECT_EQ(calcd.back(), u'.');
  EXPECT_NE(findings[1].message.find(u"0.0080"), std::u16string::npos);
}

TEST(CheckCharacterisation, FullWidthDigitsKeepTheirOffsets) {
  const std::u16string_view text =
      u"HRMS calcd for C10H13O2 [M+H]+ \uFF11\uFF16\uFF15.0925, found 165.0912.";
  EXPECT_EQ(Offsets(text), std::vector<std::size_t>{31});
}

}  // namespace
}  // namespace glyphwright
