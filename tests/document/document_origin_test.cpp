// Text before the selection: script offsets count from the origin, the selection's start.
#include <gtest/gtest.h>

#include "document_test_support.h"

namespace glyphwright {
namespace {

using W = ScriptWriter;

TEST(DocumentOriginTest, OffsetsCountFromTheSelectionStart) {
  auto document = std::make_shared<Document>(u"before ", u"SO42-", u" after");
  EXPECT_EQ(document->Origin(), 7);
  EXPECT_EQ(document->SelectedText(), u"SO42-");
  RunOn(document, W().Command2(u"Subscript", 2, 1).Command2(u"Superscript", 3, 2).Script());
  EXPECT_EQ(HtmlOf(*document), "<p>before SO<sub>4</sub><sup>2-</sup> after</p>\n");
}

TEST(DocumentOriginTest, CursorPositionIsRelativeToTheOrigin) {
  auto document = std::make_shared<Document>(u"ab ", u"cd", u" ef");
  RunOn(document, W().Command1(u"GoTo", 1)
                      .Value(u"$CursorPosition")
                      .Command(u"TypeText")
                      .Command1(u"GoTo", -2)
                      .Value(u"$CursorPosition")
                      .Command(u"TypeText")
                      .Script());
  EXPECT_EQ(TextOf(*document), "a-2b c1d ef");
}

TEST(DocumentOriginTest, NegativeOffsetsReachTextBeforeTheSelection) {
  auto document = std::make_shared<Document>(u"x\r", u"y", u"");
  RunOn(document,
        W().Command2(u"Italic", -2, 1).Command1(u"GoTo", 0).Command(u"TypeBackspace").Script());
  // The backspace at the origin removes the paragraph mark before it.
  EXPECT_EQ(HtmlOf(*document), "<p><i>x</i>y</p>\n");
}

TEST(DocumentOriginTest, RangesClampToTheDocumentNotToTheSelection) {
  auto document = std::make_shared<Document>(u"ab", u"cd", u"ef");
  RunOn(document, W().Command2(u"Bold", -5, 4).Command2(u"Italic", 1, 10).Script());
  EXPECT_EQ(HtmlOf(*document), "<p><b>a</b>bc<i>def</i></p>\n");
}

TEST(DocumentOriginTest, TheOriginStaysWhileTextBeforeItGoes) {
  auto document = std::make_shared<Document>(u"abc", u"de", u"");
  RunOn(document, W().Command2(u"Delete", -3, 2)
                      .Command1(u"GoTo", 0)
                      .Value(u"$CursorPosition")
                      .Command(u"TypeText")
                      .Script());
  // The origin is still offset 3, now the end of "cde": the cursor clamps there.
  EXPECT_EQ(TextOf(*document), "cde0");
}

TEST(DocumentOriginTest, BeginQueryMovesTheOriginToANewSelection) {
  auto document = std::make_shared<Document>(u"H2O and CO2");
  RunOn(document, W().Command2(u"Select", 8, 3).Script());
  EXPECT_EQ(document->BeginQuery(), u"CO2");
  EXPECT_EQ(document->Origin(), 8);
  RunOn(document, W().Command2(u"Subscript", 2, 1).Script());
  EXPECT_EQ(HtmlOf(*document), "<p>H2O and CO<sub>2</sub></p>\n");
}

TEST(DocumentOriginTest, SelectTakesAbsoluteOffsetsAndClamps) {
  Document document(u"abcdef");
  document.Select(4, 10);
  EXPECT_EQ(document.SelectionStart(), 4);
  EXPECT_EQ(document.SelectionLength(), 2);
  EXPECT_EQ(document.Cursor(), 4);
  document.Select(-3, 5);
  EXPECT_EQ(document.SelectedText(), u"ab");
  EXPECT_EQ(document.BeginQuery(), u"ab");
  EXPECT_EQ(document.Origin(), 0);
}

}  // namespace
}  // namespace glyphwright
