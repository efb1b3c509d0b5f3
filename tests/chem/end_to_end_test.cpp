// The chemistry scripts run with a real CommandRunner on the reference document, and rendered.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "chem/chem_formula_query.h"
#include "chem/chem_name_query.h"
#include "chem/chem_r_digit_query.h"
#include "chem/chem_test_support.h"
#include "chem/ion_formula_query.h"
#include "document/document_test_support.h"

namespace glyphwright {
namespace {

using testing::U16;

// A document whose whole text is selected, after the query's script for it has run.
template <class Query>
std::shared_ptr<Document> Formatted(Query& query, std::string_view text) {
  auto document = std::make_shared<Document>(U16(text));
  RunOn(document, query.GetCommands(document->BeginQuery()));
  return document;
}

struct RenderCase {
  std::string text;
  std::string unicode;
  std::string html;
};

void PrintTo(const RenderCase& row, std::ostream* out) {
  *out << row.text;
}

class FormulaOnDocument : public ::testing::TestWithParam<RenderCase> {};

TEST_P(FormulaOnDocument, Rendered) {
  ChemFormulaQuery query;
  const auto document = Formatted(query, GetParam().text);
  EXPECT_EQ(UnicodeOf(*document), GetParam().unicode);
  EXPECT_EQ(HtmlOf(*document), GetParam().html);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, FormulaOnDocument,
    ::testing::Values(RenderCase{"H2SO4", "H₂SO₄", "<p>H<sub>2</sub>SO<sub>4</sub></p>\n"},
                      RenderCase{"HC#CH", "HC≡CH", "<p>HC≡CH</p>\n"},
                      RenderCase{"p-CH3C6H4C#N", "p-CH₃C₆H₄C≡N",
                                 "<p><i>p</i>-CH<sub>3</sub>C<sub>6</sub>H<sub>4</sub>C≡N</p>\n"},
                      RenderCase{"CuSO4*5H2O", "CuSO₄･5H₂O",
                                 "<p>CuSO<sub>4</sub>･5H<sub>2</sub>O</p>\n"},
                      // Charges are no business of the formula query.
                      RenderCase{"SO42-", "SO₄₂-", "<p>SO<sub>42</sub>-</p>\n"}));

class IonOnDocument : public ::testing::TestWithParam<RenderCase> {};

TEST_P(IonOnDocument, Rendered) {
  IonFormulaQuery query;
  const auto document = Formatted(query, GetParam().text);
  EXPECT_EQ(UnicodeOf(*document), GetParam().unicode);
  EXPECT_EQ(HtmlOf(*document), GetParam().html);
}

INSTANTIATE_TEST_SUITE_P(
    Ions, IonOnDocument,
    ::testing::Values(
        RenderCase{"SO42-", "SO₄²⁻", "<p>SO<sub>4</sub><sup>2-</sup></p>\n"},
        RenderCase{"[Fe(CN)6]3-", "[Fe(CN)₆]³⁻", "<p>[Fe(CN)<sub>6</sub>]<sup>3-</sup></p>\n"},
        RenderCase{"Fe3+", "Fe³⁺", "<p>Fe<sup>3+</sup></p>\n"},
        // The chemist's trap: a digit 2 to 7 before a sign is the charge number.
        RenderCase{"NH4+", "NH⁴⁺", "<p>NH<sup>4+</sup></p>\n"},
        RenderCase{"(NH4)+", "(NH₄)⁺", "<p>(NH<sub>4</sub>)<sup>+</sup></p>\n"},
        RenderCase{"Cu2+ + 2e-", "Cu²⁺ + 2e⁻", "<p>Cu<sup>2+</sup> + 2e<sup>-</sup></p>\n"}));

TEST(NameOnDocument, PrefixesStereodescriptorsLocantsAndConfiguration) {
  ChemNameQuery query;
  const auto document = Formatted(query, "(2S,3R)-N-tert-butyl-D-threonine");
  EXPECT_EQ(HtmlOf(*document),
            "<p>(2<i>S</i>,3<i>R</i>)-<i>N</i>-<i>tert</i>-butyl-"
            "<span style=\"font-variant:small-caps\"><small>D</small></span>-threonine</p>\n");
  EXPECT_EQ(UnicodeOf(*document), "(2S,3R)-N-tert-butyl-ᴅ-threonine");
  EXPECT_EQ(TextOf(*document), "(2S,3R)-N-tert-butyl-D-threonine");
}

TEST(NameOnDocument, ChemicalStyles) {
  ChemNameQuery query;
  query.SetItalicCommand(u"Chemical Italic");
  query.SetSmallCommand(u"Chemical Small");
  const auto document = Formatted(query, "N-methyl-L-alanine");
  EXPECT_EQ(HtmlOf(*document),
            "<p><span class=\"chemical-italic\"><i>N</i></span>-methyl-<span "
            "class=\"chemical-small\"><span "
            "style=\"font-variant:small-caps\"><small>L</small></span></span>-"
            "alanine</p>\n");
}

TEST(FormulaOnDocument, OffsetsCountFromTheSelection) {
  auto document = std::make_shared<Document>(u"Water, ", u"H2O", u", 2 parts");
  ChemFormulaQuery query;
  RunOn(document, query.GetCommands(document->BeginQuery()));
  EXPECT_EQ(UnicodeOf(*document), "Water, H₂O, 2 parts");
}

template <class Query>
void ExpectRunningTwiceIsRunningOnce(std::string_view text) {
  Query query;
  const std::u16string script = query.GetCommands(U16(text));
  auto once = std::make_shared<Document>(U16(text));
  RunOn(once, script);
  auto twice = std::make_shared<Document>(U16(text));
  RunOn(twice, script);
  RunOn(twice, script);
  EXPECT_EQ(HtmlOf(*twice), HtmlOf(*once)) << text;
}

TEST(Repeating, AFormulaScriptRunTwiceEqualsRunOnce) {
  for (const char* text : {"H2SO4", "p-CH3C6H4C#N", "CuSO4*5H2O", "t-BuOH"}) {
    ExpectRunningTwiceIsRunningOnce<ChemFormulaQuery>(text);
  }
}

TEST(Repeating, AnIonScriptRunTwiceEqualsRunOnce) {
  for (const char* text : {"SO42-", "[Fe(CN)6]3-", "NH4+", "HC#C-", "CH3-CH3"}) {
    ExpectRunningTwiceIsRunningOnce<IonFormulaQuery>(text);
  }
}

TEST(DigitCycling, PlainSubscriptSuperscriptPlain) {
  auto document = std::make_shared<Document>(u"C6H12O6 and text1-3");
  ChemRDigitQuery query;
  query.SetFontListener(document);
  const char* const steps[] = {"C₆H₁₂O₆ and text₁₋₃", "C⁶H¹²O⁶ and text¹⁻³", "C6H12O6 and text1-3",
                               "C₆H₁₂O₆ and text₁₋₃"};
  for (const char* expected : steps) {
    RunOn(document, query.GetCommands(document->BeginQuery()));
    EXPECT_EQ(UnicodeOf(*document), expected);
  }
}

TEST(DigitCycling, TheFirstRunDecidesForAll) {
  // The first run subscript, the second superscript: every run becomes superscript.
  auto document = std::make_shared<Document>(Document::FromHtml(u"H<sub>2</sub>O<sup>2</sup>"));
  ChemRDigitQuery query;
  query.SetFontListener(document);
  RunOn(document, query.GetCommands(document->BeginQuery()));
  EXPECT_EQ(UnicodeOf(*document), "H²O²");
}

TEST(DigitCycling, AMixedFirstRunBecomesSubscript) {
  auto document = std::make_shared<Document>(Document::FromHtml(u"C<sub>1</sub>2H4"));
  ChemRDigitQuery query;
  query.SetFontListener(document);
  RunOn(document, query.GetCommands(document->BeginQuery()));
  EXPECT_EQ(UnicodeOf(*document), "C₁₂H₄");
}

}  // namespace
}  // namespace glyphwright
