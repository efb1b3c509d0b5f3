// NMRStyleQuery end to end on the reference document: the list and its header rewritten in each
// journal's style, with the formatting the style asks for and the trailing items kept as they were.
#include <gtest/gtest.h>

#include "automation/automation_error.h"
#include "nmr/nmr_specform_query.h"
#include "nmr/nmr_specform_r_query.h"
#include "nmr/nmr_style_support.h"

namespace glyphwright {
namespace {

using testing_nmr::Html;
using testing_nmr::RestyledHtml;
using testing_nmr::StyleQuery;
using testing_nmr::Text;
using testing_nmr::Unicode;

struct StyleCase {
  std::u16string_view style;
  std::u16string_view input;  // a little HTML
  std::string expected;       // sub- and superscripts as Unicode characters
  std::u16string_view sort = u"Descending";
};

class NMRStyleQueryStyles : public testing::TestWithParam<StyleCase> {};

TEST_P(NMRStyleQueryStyles, RewritesTheListInTheStyle) {
  const StyleCase& c = GetParam();
  SCOPED_TRACE(Utf16ToUtf8(c.style) + ": " + Utf16ToUtf8(c.input));
  NMRStyleQuery query = StyleQuery(c.style);
  query.SetSort(c.sort);
  const auto document = RestyledHtml(c.input, query);
  EXPECT_EQ(testing_nmr::Unicode(*document), c.expected);
}

constexpr std::u16string_view kAcsList =
    u"1H NMR (400 MHz, CDCl3) \u03B4 7.26 (d, J = 8.0 Hz, 1H), 7.35\u20137.20 (m, 5H), 1.25 (s, "
    u"3H).";
constexpr std::u16string_view kShortList =
    u"1H NMR (400 MHz, CDCl3) \u03B4 7.26 (d, J = 8.0 Hz, 1H), 1.25 (s, 3H).";

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, NMRStyleQueryStyles,
    testing::Values(
        StyleCase{u"ACS", kAcsList,
                  "\u00B9H NMR (400 MHz, CDCl\u2083) \u03B4 7.26 (d, J = 8.0 Hz, 1H), "
                  "7.35\u20137.20 (m, 5H), 1.25 (s, 3H).",
                  u"AsTyped"},
        // High to low by default: a range stands at its upper end.
        StyleCase{u"ACS", kAcsList,
                  "\u00B9H NMR (400 MHz, CDCl\u2083) \u03B4 7.35\u20137.20 (m, 5H), "
                  "7.26 (d, J = 8.0 Hz, 1H), 1.25 (s, 3H)."},
        StyleCase{u"ACS", kAcsList,
                  "\u00B9H NMR (400 MHz, CDCl\u2083) \u03B4 1.25 (s, 3H), "
                  "7.26 (d, J = 8.0 Hz, 1H), 7.35\u20137.20 (m, 5H).",
                  u"Ascending"},
        StyleCase{u"RSC", kShortList,
                  "\u03B4H (400 MHz; CDCl\u2083) 7.26 (1 H, d, J 8.0), 1.25 (3 H, s)."},
        StyleCase{u"JMedChem", kShortList,
                  "\u00B9H NMR (400 MHz, CDCl\u2083) \u03B4 7.26 (1H, d, J = 8.0 Hz), 1.25 (3H, "
                  "s)."},
        StyleCase{u"Wiley", kShortList,
                  "\u00B9H NMR (400 MHz, CDCl\u2083): \u03B4 = 7.26 (d, J = 8.0 Hz, 1 H), 1.25 "
                  "(s, 3 H) ppm."},
        StyleCase{u"Elsevier", kShortList,
                  "\u03B4H (400 MHz, CDCl\u2083) 7.26 (1H, d, J 8.0 Hz), 1.25 (3H, s)."},
        StyleCase{u"Chemotion", kShortList,
                  "\u00B9H NMR (400 MHz, CDCl\u2083, ppm), \u03B4 = 7.26 (d, J = 8.0 Hz, 1H), "
                  "1.25 (s, 3H)."},
        // Shift-only carbon lists: one decimal, counts kept.
        StyleCase{u"ACS", u"13C NMR (101 MHz, CDCl3) \u03B4 170.12, 77.16, 128.3 (2C).",
                  "\u00B9\u00B3C NMR (101 MHz, CDCl\u2083) \u03B4 170.1, 128.3 (2C), 77.2."},
        StyleCase{u"RSC", u"13C NMR (101 MHz, CDCl3) \u03B4 170.1, 128.3 (2C), 77.2.",
                  "\u03B4C (101 MHz; CDCl\u2083) 170.1, 128.3 (2 C), 77.2."},
        StyleCase{u"ACS", u"\u03B4C (101 MHz; CDCl3) 170.1, 128.3 (2 C), 77.2.",
                  "\u00B9\u00B3C NMR (101 MHz, CDCl\u2083) \u03B4 170.1, 128.3 (2C), 77.2."},
        // Fluorine and phosphorus, with negative shifts.
        StyleCase{u"ACS", u"19F NMR (376 MHz, CDCl3) \u03B4 \u221263.2 (s, 3F), -110.05 (m, 1F).",
                  "\u00B9\u2079F NMR (376 MHz, CDCl\u2083) \u03B4 -63.20 (s, 3F), -110.05 (m, "
                  "1F)."},
        StyleCase{u"Wiley", u"31P{1H} NMR (162 MHz, C6D6) \u03B4 25.31.",
                  "\u00B3\u00B9P{\u00B9H} NMR (162 MHz, C\u2086D\u2086): \u03B4 = 25.3 ppm."},
        // Deuterated solvents: the d italic (not shown here), its count subscript.
        StyleCase{u"ACS", u"1H NMR (500 MHz, DMSO-d6) \u03B4 10.1 (br s, 1H).",
                  "\u00B9H NMR (500 MHz, DMSO-d\u2086) \u03B4 10.10 (br s, 1H)."}));

// Every way of writing the items is read, whatever their order.
INSTANTIATE_TEST_SUITE_P(
    ItemForms, NMRStyleQueryStyles,
    testing::Values(
        StyleCase{u"ACS", u"\u03B4H (CDCl3) 7.26 (1 H, d, J 8.0)",
                  "\u00B9H NMR (CDCl\u2083) \u03B4 7.26 (d, J = 8.0 Hz, 1H)."},
        StyleCase{u"ACS", u"1H NMR \u03B4 7.10 (2H, dd, J1 = 2.0, J2 = 8.0 Hz).",
                  "\u00B9H NMR \u03B4 7.10 (dd, J = 8.0, 2.0 Hz, 2H)."},
        StyleCase{u"ACS", u"1H NMR \u03B4 3.50 (q, 3JHH = 7.1 Hz, 2H).",
                  "\u00B9H NMR \u03B4 3.50 (q, J = 7.1 Hz, 2H)."},
        StyleCase{u"ACS", u"1H NMR \u03B4 3.50 (q, \u00B3J(H,H) = 7.12 Hz, 2H).",
                  "\u00B9H NMR \u03B4 3.50 (q, J = 7.1 Hz, 2H)."},
        StyleCase{u"ACS", u"1H NMR \u03B4 7.10 (dd, J = 2.0 Hz, 8.0 Hz, 2H).",
                  "\u00B9H NMR \u03B4 7.10 (dd, J = 8.0, 2.0 Hz, 2H)."},
        StyleCase{u"RSC",
                  u"1H NMR \u03B4 2.1 (3H, quintet, J = 7 Hz), 1.3 (6H, hept), 1.2 (1H, bs)",
                  "\u03B4H 2.10 (3 H, quint, J 7.0), 1.30 (6 H, sept), 1.20 (1 H, br s)."},
        // A word outside the vocabulary is kept as typed where a multiplicity stands.
        StyleCase{u"ACS", u"1H NMR \u03B4 2.1 (3H, dquint, J = 7 Hz)",
                  "\u00B9H NMR \u03B4 2.10 (dquint, J = 7.0 Hz, 3H)."},
        // Whatever follows the known items is the trailing item, however many commas it has.
        StyleCase{u"RSC", u"1H NMR \u03B4 7.2 (d, J = 8 Hz, 2H, H-2, H-6)",
                  "\u03B4H 7.20 (2 H, d, J 8.0, H-2, H-6)."},
        StyleCase{u"ACS", u"1H NMR (CDCl3) \u03B4 5.3 (s, 1H, OH; exchanges with D2O)",
                  "\u00B9H NMR (CDCl\u2083) \u03B4 5.30 (s, 1H, OH; exchanges with D2O)."},
        // Full-width input: digits, letters, parentheses and commas.
        StyleCase{u"ACS",
                  u"\uFF11H NMR\uFF08CDCl3\uFF09\u03B4 \uFF17.\uFF12\uFF16\uFF08d, J = 8 Hz, "
                  u"1H\uFF09\uFF0E",
                  "\u00B9H NMR (CDCl\u2083) \u03B4 7.26 (d, J = 8.0 Hz, 1H)."},
        // Unicode super- and subscripts in the input are read as digits.
        StyleCase{u"JMedChem", u"\u00B9H NMR (CDCl\u2083) \u03B4 7.26 (s, 1H).",
                  "\u00B9H NMR (CDCl\u2083) \u03B4 7.26 (1H, s)."},
        // A list without a header that can be read: the list alone is rewritten.
        StyleCase{u"RSC", u"\u03B4 7.26 (d, J = 8.0 Hz, 1H), 1.25 (s, 3H).",
                  "\u03B4 7.26 (1 H, d, J 8.0), 1.25 (3 H, s)."},
        StyleCase{u"ACS", u"7.26 (1H, s)", "7.26 (s, 1H)."}));

TEST(NMRStyleQueryTest, KeepsTheFormattingOfTheTrailingItem) {
  const auto document = RestyledHtml(
      u"1H NMR (CDCl3) \u03B4 7.26 (1H, d, J = 8.0 Hz, <i>H</i>-3<sub>a</sub>), 1.25 (3H, s).",
      StyleQuery(u"ACS"));
  EXPECT_EQ(Html(*document),
            "<p><sup>1</sup>H NMR (CDCl<sub>3</sub>) \u03B4 7.26 (d, <i>J</i> = 8.0 Hz, 1H, "
            "<i>H</i>-3<sub>a</sub>), 1.25 (s, 3H).</p>\n");
}

TEST(NMRStyleQueryTest, FormatsTheHeaderAndEveryJ) {
  const auto document = RestyledHtml(
      u"1H NMR (400 MHz, DMSO-d6) \u03B4 7.10 (dd, J = 8.0, 2.0 Hz, 1H), 3.5 (t, J = 7 Hz, 2H).",
      StyleQuery(u"RSC"));
  EXPECT_EQ(Html(*document),
            "<p>\u03B4<sub>H</sub> (400 MHz; DMSO-<i>d</i><sub>6</sub>) 7.10 (1 H, dd, <i>J</i> "
            "8.0, 2.0), 3.50 (2 H, t, <i>J</i> 7.0).</p>\n");
}

TEST(NMRStyleQueryTest, LeavesTheTextAroundTheListAlone) {
  const auto document = std::make_shared<Document>(
      u"Data: ", u"compound 3: 1H NMR (CDCl3) \u03B4 7.26 (s, 1H), 1.25 (s, 3H). Found: C, 70.1.",
      u" End");
  testing_nmr::Restyle(document, StyleQuery(u"RSC"));
  EXPECT_EQ(Text(*document),
            "Data: compound 3: \u03B4H (CDCl3) 7.26 (1 H, s), 1.25 (3 H, s). Found: C, 70.1. End");
  // The new text is selected: from the header to the list's full stop.
  EXPECT_EQ(document->SelectionStart(), 18);
  EXPECT_EQ(Utf16ToUtf8(document->SelectedText()), "\u03B4H (CDCl3) 7.26 (1 H, s), 1.25 (3 H, s).");
}

TEST(NMRStyleQueryTest, DecimalsAsAskedOrAsTyped) {
  NMRStyleQuery query = StyleQuery(u"ACS");
  const std::u16string_view list = u"1H NMR \u03B4 7.2649 (d, J = 7.95 Hz, 1H), 1.2 (s, 3H).";
  EXPECT_EQ(Unicode(*RestyledHtml(list, query)),
            "\u00B9H NMR \u03B4 7.26 (d, J = 8.0 Hz, 1H), 1.20 (s, 3H).");
  query.SetShiftDecimals(3);
  query.SetCouplingDecimals(2);
  EXPECT_EQ(Unicode(*RestyledHtml(list, query)),
            "\u00B9H NMR \u03B4 7.265 (d, J = 7.95 Hz, 1H), 1.200 (s, 3H).");
  query.SetShiftDecimals(-1);
  query.SetCouplingDecimals(-1);
  EXPECT_EQ(Unicode(*RestyledHtml(list, query)),
            "\u00B9H NMR \u03B4 7.2649 (d, J = 7.95 Hz, 1H), 1.2 (s, 3H).");
  query.SetShiftDecimals(0);
  query.SetCouplingDecimals(0);
  EXPECT_EQ(Unicode(*RestyledHtml(list, query)),
            "\u00B9H NMR \u03B4 7 (d, J = 8 Hz, 1H), 1 (s, 3H).");
}

TEST(NMRStyleQueryTest, PropertiesRefuseWhatTheyCannotHold) {
  NMRStyleQuery query;
  EXPECT_EQ(query.Style(), u"ACS");
  EXPECT_EQ(query.Sort(), u"Descending");
  EXPECT_EQ(query.ShiftDecimals(), -2);
  EXPECT_EQ(query.CouplingDecimals(), 1);
  query.SetStyle(u"wiley");
  EXPECT_EQ(query.Style(), u"Wiley");
  try {
    query.SetStyle(u"Nature");
    FAIL() << "an unknown style was taken";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 1);
    EXPECT_EQ(Utf16ToUtf8(error.Description()),
              "Style is ACS, RSC, JMedChem, Wiley, Elsevier or Chemotion, not \"Nature\".");
  }
  EXPECT_EQ(query.Style(), u"Wiley");
  EXPECT_THROW(query.SetSort(u""), AutomationError);
  EXPECT_THROW(query.SetShiftDecimals(-3), AutomationError);
  EXPECT_THROW(query.SetShiftDecimals(7), AutomationError);
  EXPECT_THROW(query.SetCouplingDecimals(-2), AutomationError);
  EXPECT_EQ(query.ShiftDecimals(), -2);
}

// Shift-only lists both ways through the table queries: one shift a row, the count and the
// assignment in their columns, and back.
TEST(NMRStyleQueryTest, CarbonListsBecomeTablesAndTablesLists) {
  const auto document =
      std::make_shared<Document>(u"13C NMR (101 MHz, CDCl3) \u03B4 170.1, 128.3 (2C, C-2), 77.2.");
  testing_nmr::Format(document, NMRSpecFormRQuery());
  EXPECT_EQ(Text(*document),
            "13C NMR (101 MHz, CDCl3) \u03B4 \n170.1\t\t\t\t\n128.3\t2C\t\t\tC-2\n77.2\t\t\t\t\n");
  testing_nmr::Format(document, NMRSpecFormQuery());
  EXPECT_EQ(Text(*document), "13C NMR (101 MHz, CDCl3) \u03B4 170.1, 128.3 (2C, C-2), 77.2. ");
}

// A list the table query cannot read (a minus sign, the ACS order) reads once restyled for it.
TEST(NMRStyleQueryTest, RestyledForTheTableQueryAFluorineListBecomesATable) {
  const std::u16string_view list =
      u"19F NMR (376 MHz, CDCl3) \u03B4 \u221263.2 (s, 3F), \u2212110.1 (d, J = 48 Hz, 1F).";
  EXPECT_EQ(NMRSpecFormRQuery().GetCommands(list), u"");
  const auto document = std::make_shared<Document>(list);
  testing_nmr::Restyle(document, StyleQuery(u"JMedChem"));
  EXPECT_EQ(Text(*document),
            "19F NMR (376 MHz, CDCl3) \u03B4 -63.20 (3F, s), -110.10 (1F, d, J = 48.0 Hz).");
  testing_nmr::Format(document, NMRSpecFormRQuery());
  EXPECT_EQ(Text(*document),
            "19F NMR (376 MHz, CDCl3) \u03B4 \n-63.20\t3F\ts\t\t\n-110.10\t1F\td\t48.0\t\n");
}

struct Unreadable {
  std::u16string_view text;
  std::string message;
};

class NMRStyleQueryFailures : public testing::TestWithParam<Unreadable> {};

TEST_P(NMRStyleQueryFailures, NameTheProblemAndItsOffset) {
  const Unreadable& c = GetParam();
  try {
    NMRStyleQuery().GetCommands(c.text);
    FAIL() << "read: " << Utf16ToUtf8(c.text);
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 1);
    EXPECT_EQ(Utf16ToUtf8(error.Description()), c.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, NMRStyleQueryFailures,
    testing::Values(
        Unreadable{u"1H NMR \u03B4 7.26 (s, 1H); 1.25 (s, 3H) 0.9.", "Missing comma at offset 36."},
        Unreadable{u"1H NMR \u03B4 7.26 (s, 1H), (s, 3H).", "Missing chemical shift at offset 23."},
        Unreadable{u"1H NMR \u03B4 7.26 (s, 1H, 1.25 (s, 3H).",
                   "Unclosed parenthesis at offset 14."},
        Unreadable{u"1H NMR \u03B4 7.26 ppm (s).", "Missing comma at offset 18."},
        Unreadable{u"1H NMR \u03B4   ", "There is no peak list in the text."},
        Unreadable{u"", "There is no peak list in the text."}));

}  // namespace
}  // namespace glyphwright
