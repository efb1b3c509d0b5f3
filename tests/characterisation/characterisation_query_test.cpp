// CharacterisationQuery: its scripts, and the paragraphs they make on the reference document.
#include "characterisation/characterisation_query.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "document/document_test_support.h"
#include "script/builders.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

std::u16string U16(std::string_view utf8) {
  return Utf8ToUtf16(utf8).value();
}

std::string Html(std::string_view text) {
  auto document = std::make_shared<Document>(U16(text));
  CharacterisationQuery query;
  RunOn(document, query.GetCommands(document->BeginQuery()));
  return HtmlOf(*document);
}

struct HtmlCase {
  const char* name;
  std::string text;
  std::string html;  // without the paragraph tags
};

class FormattedParagraphs : public testing::TestWithParam<HtmlCase> {};

TEST_P(FormattedParagraphs, RenderAsJournalsPrintThem) {
  EXPECT_EQ(Html(GetParam().text), "<p>" + GetParam().html + "</p>\n");
}

INSTANTIATE_TEST_SUITE_P(
    Notations, FormattedParagraphs,
    testing::Values(
        HtmlCase{"Calcd", "calcd for C10H13O2",
                 "calcd for C<sub>10</sub>H<sub>13</sub>O<sub>2</sub>"},
        HtmlCase{"Solvent", "(c 1.00, CHCl3)", "(c 1.00, CHCl<sub>3</sub>)"},
        HtmlCase{"Analysis", "Anal. Calcd for C10H12O2",
                 "Anal. Calcd for C<sub>10</sub>H<sub>12</sub>O<sub>2</sub>"},
        HtmlCase{"Hydrate", "C8H9NO\u00B70.5H2O",
                 "C<sub>8</sub>H<sub>9</sub>NO\u00B70.5H<sub>2</sub>O"},
        HtmlCase{"IonFormula", "calcd for C10H13O2+ 165.0910",
                 "calcd for C<sub>10</sub>H<sub>13</sub>O<sub>2</sub><sup>+</sup> 165.0910"},
        HtmlCase{"MeltingPoint", "mp 163-165 \u00B0C", "mp 163\u2013165 \u00B0C"},
        HtmlCase{"BoilingPoint", "bp 80-82 \u00B0C", "bp 80\u201382 \u00B0C"},
        HtmlCase{"MeltingPointDots", "m.p.: 98 - 99 \u00B0C", "m.p.: 98 \u2013 99 \u00B0C"},
        HtmlCase{"RotationDFirst", "[\u03B1]D20 +12.3 (c 1.00, CHCl3)",
                 "[\u03B1]<sub>D</sub><sup>20</sup> +12.3 (c 1.00, CHCl<sub>3</sub>)"},
        HtmlCase{"RotationTemperatureFirst", "[\u03B1]25D \u221245.0",
                 "[\u03B1]<sup>25</sup><sub>D</sub> \u221245.0"},
        HtmlCase{"InfraRed", "IR (KBr) \u03BDmax 1715, 1600 cm-1",
                 "IR (KBr) \u03BD<sub>max</sub> 1715, 1600 cm<sup>\u22121</sup>"},
        HtmlCase{"InfraRedPerUnit", "\u03BDmax/cm-1 1715",
                 "\u03BD<sub>max</sub>/cm<sup>\u22121</sup> 1715"},
        HtmlCase{"InfraRedMinusTyped", "1715 cm\u22121", "1715 cm<sup>\u22121</sup>"},
        HtmlCase{"UltraViolet", "UV \u03BBmax 254 nm", "UV \u03BB<sub>max</sub> 254 nm"},
        HtmlCase{"Rf", "Rf 0.45 (hexane/EtOAc 4:1)", "R<sub>f</sub> 0.45 (hexane/EtOAc 4:1)"},
        HtmlCase{"Cation", "HRMS (ESI) m/z [M + H]+ 165.0910",
                 "HRMS (ESI) <i>m/z</i> [M + H]<sup>+</sup> 165.0910"},
        HtmlCase{"Sodium", "[M+Na]+", "[M+Na]<sup>+</sup>"},
        HtmlCase{"Anion", "[M \u2212 H]\u2212", "[M \u2212 H]<sup>\u2212</sup>"},
        HtmlCase{"AnionHyphen", "[M-H]-", "[M-H]<sup>\u2212</sup>"},
        HtmlCase{"Doubly", "[M+2H]2+", "[M+2H]<sup>2+</sup>"},
        HtmlCase{"ElectronImpact", "(M+)", "(M<sup>+</sup>)"},
        HtmlCase{
            "ProtonNmr", "1H NMR (400 MHz, CDCl3) \u03B4 7.26 (d, J = 8.0 Hz, 2H)",
            "<sup>1</sup>H NMR (400 MHz, CDCl<sub>3</sub>) \u03B4 7.26 (d, <i>J</i> = 8.0 Hz, 2H)"},
        HtmlCase{"CarbonNmr", "13C NMR (101 MHz, CDCl3)",
                 "<sup>13</sup>C NMR (101 MHz, CDCl<sub>3</sub>)"},
        HtmlCase{"Decoupled", "31P{1H} NMR (162 MHz, C6D6)",
                 "<sup>31</sup>P{<sup>1</sup>H} NMR (162 MHz, C<sub>6</sub>D<sub>6</sub>)"},
        // Nothing else changes.
        HtmlCase{"CompoundNumber", "compound 3a (2019)", "compound 3a (2019)"},
        HtmlCase{"TableReference", "see Table S2", "see Table S2"},
        HtmlCase{"Volume", "in 5 mL of water", "in 5 mL of water"},
        HtmlCase{"LatinA", "[a]D20 +12.3", "[a]D20 +12.3"},
        HtmlCase{"OneElement", "under N2 at 25 \u00B0C, 2H", "under N2 at 25 \u00B0C, 2H"},
        HtmlCase{"Abbreviations", "HRMS ESI KBr DMSO-d6", "HRMS ESI KBr DMSO-d6"},
        HtmlCase{"NotNmr", "1H spectrum", "1H spectrum"}, HtmlCase{"NotCm", "5 cm-10", "5 cm-10"},
        HtmlCase{"NotMp", "temp 163-165 \u00B0C", "temp 163-165 \u00B0C"},
        HtmlCase{"NotRf", "Rfx 2", "Rfx 2"}, HtmlCase{"NotJ", "Jones = 3", "Jones = 3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CharacterisationQueryScript, ReplacesFirstWithSigned16BitCodes) {
  CharacterisationQuery query;
  const std::u16string script = query.GetCommands(u"mp 163-165 \u00B0C; 1600 cm-1");
  const std::u16string expected = MakeCommand2(u"ReplaceChar", u"6", u"8211") +
                                  MakeCommand2(u"ReplaceChar", u"22", u"8722") +
                                  MakeCommand2(u"Superscript", u"22", u"2");
  EXPECT_EQ(script, expected);
}

TEST(CharacterisationQueryScript, ItalicCommandChoosesTheWord) {
  CharacterisationQuery query;
  query.SetItalicCommand(u"Chemical Italic");
  EXPECT_EQ(query.GetCommands(u"m/z"), MakeCommand2(u"Chemical Italic", u"0", u"3"));
}

TEST(CharacterisationQueryScript, FullParagraphFormatsEveryPart) {
  const std::string html = Html(
      "Colourless solid; mp 163-165 \u00B0C; Rf 0.45; [\u03B1]D20 +12.3 (c 1.00, CHCl3); IR "
      "(neat) \u03BDmax 1715 cm-1; HRMS (ESI) m/z calcd for C10H13O2 [M+H]+ 165.0910, found "
      "165.0912. Anal. Calcd for C10H12O2: C, 73.15; H, 7.37. Found: C, 73.10; H, 7.40.");
  EXPECT_EQ(html,
            "<p>Colourless solid; mp 163\u2013165 \u00B0C; R<sub>f</sub> 0.45; "
            "[\u03B1]<sub>D</sub><sup>20</sup> +12.3 (c 1.00, CHCl<sub>3</sub>); IR (neat) "
            "\u03BD<sub>max</sub> 1715 cm<sup>\u22121</sup>; HRMS (ESI) <i>m/z</i> calcd for "
            "C<sub>10</sub>H<sub>13</sub>O<sub>2</sub> [M+H]<sup>+</sup> 165.0910, found "
            "165.0912. Anal. Calcd for C<sub>10</sub>H<sub>12</sub>O<sub>2</sub>: C, 73.15; H, "
            "7.37. Found: C, 73.10; H, 7.40.</p>\n");
}

TEST(CharacterisationQueryScript, EmptyTextGivesEmptyScript) {
  CharacterisationQuery query;
  EXPECT_EQ(query.GetCommands(u""), u"");
}

}  // namespace
}  // namespace glyphwright
