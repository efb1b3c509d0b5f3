// The NMR scripts written out and run on the reference document: a running
// peak list rebuilt as a styled table, a table turned into a running list, and the round trip.
#include <gtest/gtest.h>

#include <vector>

#include "document_test_support.h"
#include "text/lib.h"

namespace glyphwright {
namespace {

using W = ScriptWriter;

constexpr std::u16string_view kTab = u"\t";
constexpr std::u16string_view kPeakList =
    u"1H NMR (CDCl3) \u03B4 7.26 (1H, d, J = 8.0 Hz, H-3), 1.25 (3H, s).";

std::vector<std::u16string> Lines(std::u16string_view script) {
  std::vector<std::u16string> lines = SplitText(script, u"\n");
  EXPECT_EQ(lines.back(), u"") << "a script ends with LF";
  lines.pop_back();
  return lines;
}

// Lines 1 to 46: the rows typed after the list, between a paragraph break and a marker.
std::u16string ListToTableRows() {
  W w;
  w.Command1(u"GoTo", 61);                                       // 1-2
  w.Command(u"TypeParagraph");                                   // 3
  w.Command1(u"TypeText", u"!");                                 // 4-5
  w.Command1(u"GoTo", u"PrevChar");                              // 6-7
  w.Command1(u"TypeText", u"7.26");                              // 8-9
  w.Command1(u"TypeText", kTab);                                 // 10-11
  w.Command1(u"TypeText", u"1H").Command1(u"TypeText", kTab);    // 12-15
  w.Command1(u"TypeText", u"d").Command1(u"TypeText", kTab);     // 16-19
  w.Command1(u"TypeText", u"8.0").Command1(u"TypeText", kTab);   // 20-23
  w.Command2(u"Copy", 42, 3).Command(u"Paste");                  // 24-27
  w.Command(u"TypeParagraph");                                   // 28
  w.Command1(u"TypeText", u"1.25").Command1(u"TypeText", kTab);  // 29-32
  w.Command1(u"TypeText", u"3H").Command1(u"TypeText", kTab);    // 33-36
  w.Command1(u"TypeText", u"s").Command1(u"TypeText", kTab);     // 37-40
  w.Command1(u"TypeText", kTab);                                 // 41-42
  w.Command(u"TypeParagraph");                                   // 43
  w.Command1(u"GoTo", u"NextChar").Command(u"TypeBackspace");    // 44-46
  return std::move(w).Script();
}

// Lines 47 to 58: the old list cut, the new rows selected and styled.
std::u16string ListToTableTail() {
  W w;
  w.Value(18).Value(u"$CursorPosition").Value(1).Command(u"Minus");  // 47-50
  w.Value(61).Command(u"Minus");                                     // 51-52
  w.Command2(u"Cut", 17, 44);                                        // 53-55
  w.Command(u"Select");                                              // 56
  w.Command1(u"ApplyStyle", u"NMR Spec Table");                      // 57-58
  return std::move(w).Script();
}

std::shared_ptr<Document> PeakListWithItalicH3() {
  auto document = std::make_shared<Document>(kPeakList);
  EXPECT_EQ(document->Size(), 61);
  document->SetStyle(42, 3, u"Italic");
  EXPECT_EQ(document->Text().substr(42, 3), u"H-3");
  return document;
}

const char kTableText[] = "1H NMR (CDCl3) \u03B4 \n7.26\t1H\td\t8.0\tH-3\n1.25\t3H\ts\t\t\n";
const char kTableHtml[] =
    "<p>1H NMR (CDCl3) \u03B4 </p>\n"
    "<table class=\"nmr-spec-table\">\n"
    "<tr><td>7.26</td><td>1H</td><td>d</td><td>8.0</td><td><i>H-3</i></td></tr>\n"
    "<tr><td>1.25</td><td>3H</td><td>s</td><td></td><td></td></tr>\n"
    "</table>\n";

TEST(ListToTableTest, ScriptHasTheFiftyEightLinesOfTheExample) {
  const std::vector<std::u16string> lines = Lines(ListToTableRows() + ListToTableTail());
  ASSERT_EQ(lines.size(), 58u);
  const std::pair<int, std::u16string_view> anchors[] = {
      {1, u"=61"},
      {2, u"GoTo"},
      {3, u"TypeParagraph"},
      {4, u"=!"},
      {6, u"=PrevChar"},
      {10, u"=\t"},
      {24, u"=42"},
      {25, u"=3"},
      {26, u"Copy"},
      {27, u"Paste"},
      {28, u"TypeParagraph"},
      {41, u"=\t"},
      {43, u"TypeParagraph"},
      {44, u"=NextChar"},
      {46, u"TypeBackspace"},
      {47, u"=18"},
      {48, u"=$CursorPosition"},
      {52, u"Minus"},
      {53, u"=17"},
      {54, u"=44"},
      {55, u"Cut"},
      {56, u"Select"},
      {57, u"=NMR Spec Table"},
      {58, u"ApplyStyle"},
  };
  for (const auto& [number, line] : anchors) EXPECT_EQ(lines[number - 1], line) << number;
}

TEST(ListToTableTest, RebuildsTheListAsAStyledTable) {
  const auto document = PeakListWithItalicH3();
  RunOn(document, ListToTableRows() + ListToTableTail());

  EXPECT_EQ(TextOf(*document), kTableText);
  EXPECT_EQ(HtmlOf(*document), kTableHtml);
  const std::vector<Paragraph> paragraphs = document->Paragraphs();
  ASSERT_EQ(paragraphs.size(), 3u);
  EXPECT_EQ(paragraphs[0].style, u"");
  EXPECT_EQ(paragraphs[1].style, u"NMR Spec Table");
  EXPECT_EQ(paragraphs[2].style, u"NMR Spec Table");
  // The selection the script computed: start 18, length 30.
  EXPECT_EQ(document->SelectionStart() - document->Origin(), 18);
  EXPECT_EQ(document->SelectionLength(), 30);
  // The pasted H-3 kept its italics, and only it is italic.
  for (int32_t i = 0; i < document->Size(); ++i) {
    EXPECT_EQ(document->FormatAt(i).italic, i >= 32 && i < 35) << i;
  }
}

TEST(ListToTableTest, CursorPositionResolvesToNinetyTwo) {
  const auto document = PeakListWithItalicH3();
  RunOn(document, ListToTableRows());
  EXPECT_EQ(document->QueryValue(u"$CursorPosition"), Variant(92));
  RunOn(document, ListToTableTail());
  EXPECT_EQ(HtmlOf(*document), kTableHtml);
}

// The running-list script for a table of (shift, count, multiplicity, coupling) rows, as the
// table formatter writes it with its default settings.
void AppendRow(W& script, std::u16string_view shift, std::u16string_view count,
               std::u16string_view multiplicity, std::u16string_view coupling) {
  script.Command1(u"TypeText", shift)
      .Command1(u"TypeText", u" (")
      .Command1(u"TypeText", count)
      .Command1(u"TypeText", u", ")
      .Command1(u"TypeText", multiplicity)
      .Command1(u"TypeText", u", ")
      .Command2(u"TypeStyledText", u"J", u"Italic")
      .Command1(u"TypeText", u" = ")
      .Command1(u"TypeText", coupling)
      .Command1(u"TypeText", u" Hz")
      .Command1(u"TypeText", u", ")
      .Command(u"TypeBackspace")
      .Command(u"TypeBackspace")
      .Command1(u"TypeText", u")")
      .Command1(u"TypeText", u", ");
}

TEST(TableToListTest, FirstRowIsTheTwentyNineLinesOfTheExample) {
  W row;
  AppendRow(row, u"7.26", u"1H", u"d", u"8.0");
  const std::vector<std::u16string> expected = {u"=7.26",
                                                u"TypeText",
                                                u"= (",
                                                u"TypeText",
                                                u"=1H",
                                                u"TypeText",
                                                u"=, ",
                                                u"TypeText",
                                                u"=d",
                                                u"TypeText",
                                                u"=, ",
                                                u"TypeText",
                                                u"=J",
                                                u"=Italic",
                                                u"TypeStyledText",
                                                u"= = ",
                                                u"TypeText",
                                                u"=8.0",
                                                u"TypeText",
                                                u"= Hz",
                                                u"TypeText",
                                                u"=, ",
                                                u"TypeText",
                                                u"TypeBackspace",
                                                u"TypeBackspace",
                                                u"=)",
                                                u"TypeText",
                                                u"=, ",
                                                u"TypeText"};
  EXPECT_EQ(Lines(row.Script()), expected);
}

TEST(TableToListTest, TypesTheRunningListInPlaceOfTheTable) {
  auto document = std::make_shared<Document>(u"7.26\t1H\td\t8.0\r1.25\t3H\tt\t7.1");
  ASSERT_EQ(document->Size(), 27);
  W script;
  script.Command1(u"GoTo", u"EndOfSelection")
      .Command(u"TypeParagraph")
      .Command1(u"TypeText", u"!! ")
      .Command1(u"GoTo", u"PrevChar")
      .Command1(u"GoTo", u"PrevChar");
  AppendRow(script, u"7.26", u"1H", u"d", u"8.0");
  AppendRow(script, u"1.25", u"3H", u"t", u"7.1");
  script.Command(u"TypeBackspace")
      .Command(u"TypeBackspace")
      .Command1(u"TypeText", u".")
      .Command1(u"GoTo", u"NextChar")
      .Command(u"TypeBackspace")
      .Value(u"-1")
      .Value(u"$CursorPosition")
      .Value(28)
      .Command(u"Minus")
      .Command2(u"Cut", 0, 29)
      .Command(u"TypeBackspace")
      .Command(u"Select");
  RunOn(document, script.Script());

  const std::u16string list = u"7.26 (1H, d, J = 8.0 Hz), 1.25 (3H, t, J = 7.1 Hz).";
  EXPECT_EQ(document->SelectedText(), list);
  // The blank of the marker stays behind the list.
  EXPECT_EQ(document->Text(), list + u" ");
  for (int32_t i = 0; i < document->Size(); ++i) {
    EXPECT_EQ(document->FormatAt(i).italic, document->Text()[i] == u'J') << i;
  }
  EXPECT_EQ(HtmlOf(*document),
            "<p>7.26 (1H, d, <i>J</i> = 8.0 Hz), 1.25 (3H, t, <i>J</i> = 7.1 Hz). </p>\n");
}

// A table the first script made, selected anew and turned back into a running list: the
// document reads as before, the H-3 still italic.
TEST(TableToListTest, RoundTripRestoresTheList) {
  const auto document = PeakListWithItalicH3();
  RunOn(document, ListToTableRows() + ListToTableTail());
  EXPECT_EQ(document->BeginQuery(), u"7.26\t1H\td\t8.0\tH-3\r1.25\t3H\ts\t\t\r");

  W script;
  script
      .Command1(u"GoTo", u"EndOfSelection")  // the selection ends with CR: no paragraph
      .Command1(u"TypeText", u"!! ")
      .Command1(u"GoTo", u"PrevChar")
      .Command1(u"GoTo", u"PrevChar")
      .Command1(u"TypeText", u"7.26")
      .Command1(u"TypeText", u" (")
      .Command1(u"TypeText", u"1H")
      .Command1(u"TypeText", u", ")
      .Command1(u"TypeText", u"d")
      .Command1(u"TypeText", u", ")
      .Command2(u"TypeStyledText", u"J", u"Italic")
      .Command1(u"TypeText", u" = ")
      .Command1(u"TypeText", u"8.0")
      .Command1(u"TypeText", u" Hz")
      .Command1(u"TypeText", u", ")
      .Command2(u"Copy", 14, 3)
      .Command(u"Paste")
      .Command1(u"TypeText", u", ")
      .Command(u"TypeBackspace")
      .Command(u"TypeBackspace")
      .Command1(u"TypeText", u")")
      .Command1(u"TypeText", u", ")
      .Command1(u"TypeText", u"1.25")
      .Command1(u"TypeText", u" (")
      .Command1(u"TypeText", u"3H")
      .Command1(u"TypeText", u", ")
      .Command1(u"TypeText", u"s")
      .Command1(u"TypeText", u", ")
      .Command(u"TypeBackspace")
      .Command(u"TypeBackspace")
      .Command1(u"TypeText", u")")
      .Command1(u"TypeText", u", ")
      .Command(u"TypeBackspace")
      .Command(u"TypeBackspace")
      .Command1(u"TypeText", u".")
      .Command1(u"GoTo", u"NextChar")
      .Command(u"TypeBackspace")
      .Value(u"-1")
      .Value(u"$CursorPosition")
      .Value(30)
      .Command(u"Minus")
      .Command2(u"Cut", 0, 31)
      .Command(u"TypeBackspace")
      .Command(u"Select");
  RunOn(document, script.Script());

  EXPECT_EQ(document->Text(), std::u16string(kPeakList) + u" ");
  EXPECT_EQ(HtmlOf(*document),
            "<p>1H NMR (CDCl3) \u03B4 7.26 (1H, d, <i>J</i> = 8.0 Hz, <i>H-3</i>), "
            "1.25 (3H, s). </p>\n");
}

}  // namespace
}  // namespace glyphwright
