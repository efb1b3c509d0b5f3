// ChemTextQuery: each item of running text gets exactly the units its own query gives it alone,
// moved to where it stands; everything that is no chemistry gets nothing.
#include "prose/chem_text_query.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "automation/automation_error.h"
#include "document/document_test_support.h"
#include "prose/script_units.h"
#include "script/text_length.h"

namespace glyphwright {
namespace {

std::string U8(std::u16string_view text) {
  return Utf16ToUtf8(text);
}

// The script of a query for item alone, its offsets moved by offset.
template <class Query>
std::u16string Moved(Query&& query, std::u16string_view item, int32_t offset) {
  std::vector<prose::ScriptUnit> units;
  const std::u16string script = query.GetCommands(item);
  prose::ReadUnits(script, units);
  ScriptWriter out;
  for (const prose::ScriptUnit& unit : units) {
    out.Value(unit.first + offset).Value(unit.second).Command(unit.word);
  }
  return std::move(out).Script();
}

int32_t At(std::u16string_view text, std::u16string_view item) {
  return static_cast<int32_t>(text.find(item));
}

TEST(ChemTextQueryTest, EmptyTextGivesEmptyScript) {
  EXPECT_EQ(ChemTextQuery().GetCommands(u""), u"");
}

TEST(ChemTextQueryTest, AnEquationsCoefficientsStayPlain) {
  const std::u16string text = u"2 H2 + O2 \u2192 2 H2O";
  EXPECT_EQ(U8(ChemTextQuery().GetCommands(text)),
            U8(Moved(ChemFormulaQuery(), u"H2", 2) + Moved(ChemFormulaQuery(), u"O2", 7) +
               Moved(ChemFormulaQuery(), u"H2O", 14)));
  EXPECT_EQ(U8(ChemTextQuery().GetCommands(text)),
            "=3\n=1\nSubscript\n=8\n=1\nSubscript\n=15\n=1\nSubscript\n");
}

TEST(ChemTextQueryTest, IonsAreFormattedAsTheIonQueryDoes) {
  const std::u16string text = u"Cu2+ + 2e- gives Cu; SO42- and [Fe(CN)6]3-.";
  EXPECT_EQ(U8(ChemTextQuery().GetCommands(text)),
            U8(Moved(IonFormulaQuery(), u"Cu2+", 0) + Moved(IonFormulaQuery(), u"2e-", 7) +
               Moved(IonFormulaQuery(), u"SO42-", At(text, u"SO42-")) +
               Moved(IonFormulaQuery(), u"[Fe(CN)6]3-", At(text, u"[Fe"))));
}

TEST(ChemTextQueryTest, NamesAreFormattedAsTheNameQueryDoes) {
  const std::u16string text = u"Both (R)-2-methylbutanoic acid and N,N-dimethylformamide.";
  ChemNameQuery name;
  EXPECT_EQ(U8(ChemTextQuery().GetCommands(text)),
            U8(Moved(name, u"(R)-2-methylbutanoic", 5) +
               Moved(name, u"N,N-dimethylformamide", At(text, u"N,N"))));
}

TEST(ChemTextQueryTest, EveryReferenceIsStyled) {
  const std::u16string first = u"J. Org. Chem. 2001, 66, 100";
  const std::u16string second = u"Org. Lett. 2000, 2, 5";
  const std::u16string text = u"see " + first + u"; and " + second + u".";
  // JournalQuery alone styles only the first of them.
  EXPECT_EQ(U8(ChemTextQuery().GetCommands(text)),
            U8(Moved(JournalQuery(), first, 4) + Moved(JournalQuery(), second, At(text, second))));
}

TEST(ChemTextQueryTest, NmrHeadersSolventsAndCouplings) {
  const std::u16string text =
      u"1H NMR (400 MHz, CDCl3) \u03B4 7.26 (d, J = 8.0 Hz, 2H); "
      u"13C{1H} NMR (DMSO-d6).";
  ScriptWriter want;
  want.Command2(u"Superscript", 0, 1);
  want.Append(Moved(ChemFormulaQuery(), u"CDCl3", At(text, u"CDCl3")));
  want.Command2(u"Italic", At(text, u"J ="), 1);
  want.Command2(u"Superscript", At(text, u"13C"), 2).Command2(u"Superscript", At(text, u"1H}"), 1);
  want.Append(Moved(ChemFormulaQuery(), u"DMSO-d6", At(text, u"DMSO")));
  EXPECT_EQ(U8(ChemTextQuery().GetCommands(text)), U8(want.Script()));
}

// Everything the bulk pass must leave alone.
class LeftAloneTest : public ::testing::TestWithParam<const char16_t*> {};

TEST_P(LeftAloneTest, GetsNoFormatting) {
  EXPECT_EQ(U8(ChemTextQuery().GetCommands(GetParam())), "");
}

INSTANTIATE_TEST_SUITE_P(
    NoChemistry, LeftAloneTest,
    ::testing::Values(u"In 2019, the yield was 45%.", u"Table 2 and compound 3a.",
                      u"5 mL at 25 \u00B0C with 1.5 equiv of 0.1 M base.",
                      u"A549 and HEK293T cells (CAS 7732-18-5).", u"COVID-19 patients.",
                      u"B3LYP/6-31G(d) calculations.", u"In situ, As noted, I and No, Be careful.",
                      u"2-methylpropane", u"The IC50 of PC3 cells; CD4+ T cells; H3N2.",
                      u"In-house, S-shaped, N-terminal, p-type and H-bond.",
                      u"As shown in Figure S8.", u"2D NMR and 3D printing.",
                      u"In 2015, 12 groups reported it."));

TEST(ChemTextQueryTest, CommandWordsFollowTheProperties) {
  ChemTextQuery query;
  query.SetItalicCommand(u"Chemical Italic");
  query.SetSmallCommand(u"Chemical Small");
  EXPECT_EQ(query.ItalicCommand(), u"Chemical Italic");
  EXPECT_EQ(U8(query.GetCommands(u"L-alanine, J = 7 Hz")),
            "=0\n=1\nChemical Small\n=11\n=1\nChemical Italic\n");
}

TEST(ChemTextQueryTest, FullWidthTextIsFoldedFirst) {
  EXPECT_EQ(U8(ChemTextQuery().GetCommands(u"\uFF28\uFF12\uFF2F")), "=1\n=1\nSubscript\n");
}

TEST(ChemTextQueryTest, TooLongATextIsRefused) {
  const std::u16string_view huge(u"x", 1);
  // The length check reads only the length, so a view that claims to be too long is enough.
  const std::u16string_view tooLong(huge.data(), kMaxTextLength + 1);
  try {
    ChemTextQuery().GetCommands(tooLong);
    FAIL() << "no error";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 1);
  }
}

// On the reference document: a second pass changes nothing, and what was set by hand stays.
std::string PassOn(const std::shared_ptr<Document>& document, bool withListener, int runs) {
  ChemTextQuery query;
  if (withListener) query.SetFontListener(document);
  for (int run = 0; run < runs; ++run) {
    document->Select(0, document->Size());
    RunOn(document, query.GetCommands(document->BeginQuery()));
  }
  return HtmlOf(*document);
}

TEST(ChemTextQueryOnDocumentTest, ASecondPassChangesNothing) {
  const char16_t* text =
      u"SO42- in H2O with HC#CH, (R)-2-methylbutanoic acid, L-alanine; "
      u"J. Am. Chem. Soc. 1999, 121, 1234.";
  const std::string once = PassOn(std::make_shared<Document>(text), false, 1);
  EXPECT_EQ(PassOn(std::make_shared<Document>(text), false, 2), once);
  EXPECT_EQ(PassOn(std::make_shared<Document>(text), true, 2), once);
  EXPECT_EQ(once,
            "<p>SO<sub>4</sub><sup>2-</sup> in H<sub>2</sub>O with HC\u2261CH, "
            "(<i>R</i>)-2-methylbutanoic acid, <span "
            "style=\"font-variant:small-caps\"><small>L</small></span>-alanine; "
            "<i>J. Am. Chem. Soc.</i> <b>1999</b>, <i>121</i>, 1234.</p>\n");
}

TEST(ChemTextQueryOnDocumentTest, FormattingDoneByHandStays) {
  // A hand-set subscript 4 in NH4+ (the ion query reads 4+ as the charge) and a superscript 2 in
  // H2O typed as a footnote mark: the listener keeps both.
  const auto document =
      std::make_shared<Document>(Document::FromHtml(u"NH<sub>4</sub>+ and H<sup>2</sup>O and CO2"));
  EXPECT_EQ(PassOn(document, true, 1),
            "<p>NH<sub>4</sub><sup>+</sup> and H<sup>2</sup>O and CO<sub>2</sub></p>\n");
  // Without the listener the script would undo both.
  const auto plain =
      std::make_shared<Document>(Document::FromHtml(u"NH<sub>4</sub>+ and H<sup>2</sup>O and CO2"));
  EXPECT_EQ(PassOn(plain, false, 1),
            "<p>NH<sup>4+</sup> and H<sub>2</sub>O and CO<sub>2</sub></p>\n");
}

}  // namespace
}  // namespace glyphwright
