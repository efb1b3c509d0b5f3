#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "automation/dispatch.h"
#include "automation/number_text.h"
#include "nmr/nmr_specform_r_query.h"
#include "nmr/script_lines.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

using testing_nmr::Lines;
using testing_nmr::Script;

const char16_t kExample[] = u"1H NMR (CDCl3) \u03B4 7.26 (1H, d, J = 8.0 Hz, H-3), 1.25 (3H, s).";

void ExpectLines(const std::u16string& script, const std::vector<std::u16string>& expected) {
  const std::vector<std::u16string> lines = Lines(script);
  ASSERT_EQ(lines.size(), expected.size()) << Utf16ToUtf8(script);
  for (std::size_t k = 0; k < lines.size(); ++k) {
    EXPECT_EQ(Utf16ToUtf8(lines[k]), Utf16ToUtf8(expected[k])) << "line " << k + 1;
  }
  EXPECT_EQ(script, Script(expected));  // every line ended by a line feed, nothing else
}

TEST(NMRSpecFormRQueryTest, TheWorkedExampleIsFiftyEightLines) {
  const std::vector<std::u16string> expected = {
      u"=61",
      u"GoTo",           // 1-2
      u"TypeParagraph",  // 3
      u"=!",
      u"TypeText",  // 4-5
      u"=PrevChar",
      u"GoTo",  // 6-7
      u"=7.26",
      u"TypeText",  // 8-9
      u"=\t",
      u"TypeText",  // 10-11
      u"=1H",
      u"TypeText",
      u"=\t",
      u"TypeText",  // 12-15
      u"=d",
      u"TypeText",
      u"=\t",
      u"TypeText",  // 16-19
      u"=8.0",
      u"TypeText",
      u"=\t",
      u"TypeText",  // 20-23
      u"=42",
      u"=3",
      u"Copy",
      u"Paste",          // 24-27
      u"TypeParagraph",  // 28
      u"=1.25",
      u"TypeText",
      u"=\t",
      u"TypeText",  // 29-32
      u"=3H",
      u"TypeText",
      u"=\t",
      u"TypeText",  // 33-36
      u"=s",
      u"TypeText",
      u"=\t",
      u"TypeText",  // 37-40
      u"=\t",
      u"TypeText",       // 41-42
      u"TypeParagraph",  // 43
      u"=NextChar",
      u"GoTo",
      u"TypeBackspace",  // 44-46
      u"=18",
      u"=$CursorPosition",
      u"=1",
      u"Minus",
      u"=61",
      u"Minus",  // 47-52
      u"=17",
      u"=44",
      u"Cut",     // 53-55
      u"Select",  // 56
      u"=NMR Spec Table",
      u"ApplyStyle",  // 57-58
  };
  ASSERT_EQ(expected.size(), 58u);
  NMRSpecFormRQuery query;
  ExpectLines(query.GetCommands(kExample), expected);
  query.SetStrict(true);
  ExpectLines(query.GetCommands(kExample), expected);
}

// The rows of a script: what lies between the head (7 lines) and the tail (15 lines).
std::vector<std::u16string> RowLines(const std::u16string& script) {
  std::vector<std::u16string> lines = Lines(script);
  if (lines.size() < 22) return {};
  return {lines.begin() + 7, lines.end() - 15};
}

std::vector<std::u16string> Typed(std::initializer_list<std::u16string_view> cells) {
  std::vector<std::u16string> lines;
  for (const std::u16string_view cell : cells) {
    if (cell == u"<copy>") continue;
    lines.push_back(u"=" + std::u16string(cell));
    lines.push_back(u"TypeText");
  }
  return lines;
}

TEST(NMRSpecFormRQueryTest, TableFormatOrdersTheColumns) {
  NMRSpecFormRQuery query;
  query.SetTableFormat(u"J, d, 1H");
  std::vector<std::u16string> row1 =
      Typed({u"7.26", u"\t", u"8.0", u"\t", u"d", u"\t", u"1H", u"\t"});
  for (const char16_t* line : {u"=42", u"=3", u"Copy", u"Paste", u"TypeParagraph"}) {
    row1.push_back(line);
  }
  const std::vector<std::u16string> rows = RowLines(query.GetCommands(kExample));
  ASSERT_GE(rows.size(), row1.size());
  EXPECT_EQ(std::vector<std::u16string>(rows.begin(), rows.begin() + row1.size()), row1);
}

TEST(NMRSpecFormRQueryTest, SpecFormatOrdersTheReading) {
  // The text keeps count, multiplicity, coupling; read as 'J, d, 1H' only the count is found
  // and the rest becomes the trailing item.
  NMRSpecFormRQuery query;
  query.SetSpecFormat(u"J, d, 1H");
  query.SetStrict(true);
  std::vector<std::u16string> row1 = Typed({u"7.26", u"\t", u"1H", u"\t", u"", u"\t", u"", u"\t"});
  for (const char16_t* line : {u"=27", u"=18", u"Copy", u"Paste", u"TypeParagraph"}) {
    row1.push_back(line);
  }
  const std::vector<std::u16string> rows = RowLines(query.GetCommands(kExample));
  ASSERT_GE(rows.size(), row1.size());
  EXPECT_EQ(std::vector<std::u16string>(rows.begin(), rows.begin() + row1.size()), row1);
}

TEST(NMRSpecFormRQueryTest, PeaksWithoutParenthesesTypeOnlyTheShift) {
  NMRSpecFormRQuery query;
  const std::u16string script = query.GetCommands(u"\u03B4 7.26, 1.25.");
  std::vector<std::u16string> rows = Typed({u"7.26", u"\t", u"\t", u"\t", u"\t"});
  rows.push_back(u"TypeParagraph");
  for (const std::u16string& line : Typed({u"1.25", u"\t", u"\t", u"\t", u"\t"})) {
    rows.push_back(line);
  }
  rows.push_back(u"TypeParagraph");
  EXPECT_EQ(RowLines(script), rows);
  query.SetStrict(true);
  EXPECT_EQ(query.GetCommands(u"\u03B4 7.26, 1.25."), u"");  // "Missing number and atom."
}

struct Bounds {
  const char16_t* text;
  int listStart;
  int listEnd;
};

class ListBoundsTest : public testing::TestWithParam<Bounds> {};

// The head goes to ListEnd; the tail selects from ListStart + 1 and cuts [ListStart, ListEnd).
TEST_P(ListBoundsTest, HeadAndTailUseTheListBounds) {
  const Bounds& b = GetParam();
  const std::vector<std::u16string> lines = Lines(NMRSpecFormRQuery().GetCommands(b.text));
  ASSERT_GE(lines.size(), 22u);
  const auto number = [](int n) { return u"=" + IntegerToText(n); };
  EXPECT_EQ(lines[0], number(b.listEnd));
  const std::vector<std::u16string> tail(lines.end() - 15, lines.end());
  const std::vector<std::u16string> expected = {u"=NextChar",
                                                u"GoTo",
                                                u"TypeBackspace",
                                                number(b.listStart + 1),
                                                u"=$CursorPosition",
                                                u"=1",
                                                u"Minus",
                                                number(b.listEnd),
                                                u"Minus",
                                                number(b.listStart),
                                                number(b.listEnd - b.listStart),
                                                u"Cut",
                                                u"Select",
                                                u"=NMR Spec Table",
                                                u"ApplyStyle"};
  EXPECT_EQ(tail, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ListBoundsTest,
    testing::Values(Bounds{u"7.26 (1H, s).", 0, 13},
                    // A carriage return ends the list; it and the blanks behind it go with it.
                    Bounds{u"\u03B4 7.26 (1H, s)\r  next", 2, 17},
                    // Running to the end of the text: ListEnd is the length, never beyond it.
                    Bounds{u"\u03B4 7.26 (1H, s)", 2, 14}, Bounds{u"\u03B4 7.26 (1H, s)  ", 2, 16},
                    Bounds{u".", 0, 1}, Bounds{u"\u03B4 .", 2, 3}));

TEST(NMRSpecFormRQueryTest, ALoneFullStopIsOneEmptyRow) {
  NMRSpecFormRQuery query;
  std::vector<std::u16string> row = Typed({u"", u"\t", u"\t", u"\t", u"\t"});
  row.push_back(u"TypeParagraph");
  EXPECT_EQ(RowLines(query.GetCommands(u".")), row);
  query.SetStrict(true);
  EXPECT_EQ(query.GetCommands(u"."), u"");  // "Missing chemical shift."
}

// Every rejected text, and a text with no list in it, gives the empty script, never an error.
TEST(NMRSpecFormRQueryTest, RejectedTextsGiveTheEmptyScript) {
  for (const char16_t* text : {
           u"", u"   ", u"1H NMR \u03B4 ", u"\u03B4 7.26 (1H, s); 1.25 (3H, s).", u"abc.",
           u"\u03B4 7.26 ppm.", u"\u03B4 7.26 (1H d).", u"\u03B4 7.26 (1H, d, J = 8.0",
           u"\u03B4 7.26 (1H, s), 1.25 (3H, s)!",  // a failure in the last peak
       }) {
    EXPECT_EQ(NMRSpecFormRQuery().GetCommands(text), u"") << Utf16ToUtf8(text);
  }
}

TEST(NMRSpecFormRQueryTest, StrictIsReachableByName) {
  NMRSpecFormRQuery query;
  EXPECT_EQ(query.GetIDsOfNames(u"Strict"), 0x4003000A);
  EXPECT_EQ(CallByName(query, u"Strict", InvokeKind::PropertyGet, {}), Variant(false));
  Variant on(kTrue);
  Variant* args[] = {&on};
  CallByName(query, u"Strict", InvokeKind::PropertyPut, args);
  EXPECT_TRUE(query.Strict());
  Variant text(u"\u03B4 7.26.");
  Variant* textArgs[] = {&text};
  EXPECT_EQ(CallByName(query, u"GetCommands", InvokeKind::Method, textArgs), Variant(u""));
}

}  // namespace
}  // namespace glyphwright
