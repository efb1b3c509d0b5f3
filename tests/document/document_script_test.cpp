// Every Executer operation of the reference document, run from scripts through a real runner.
#include <gtest/gtest.h>

#include "document_test_support.h"

namespace glyphwright {
namespace {

using W = ScriptWriter;

struct Case {
  const char* name;
  std::u16string text;  // the whole document, selected, origin 0
  std::u16string script;
  std::string html;
};

class DocumentScriptTest : public testing::TestWithParam<Case> {};

TEST_P(DocumentScriptTest, RendersTheEditedDocument) {
  const Case& c = GetParam();
  auto document = std::make_shared<Document>(c.text);
  RunOn(document, c.script);
  EXPECT_EQ(HtmlOf(*document), c.html);
}

const Case kCases[] = {
    // Script states.
    {"SubscriptAndSuperscript", u"SO42-",
     W().Command2(u"Subscript", 2, 1).Command2(u"Superscript", 3, 2).Script(),
     "<p>SO<sub>4</sub><sup>2-</sup></p>\n"},
    {"SubscriptClearsSuperscript", u"SO42-",
     W().Command2(u"Superscript", 2, 3).Command2(u"Subscript", 3, 1).Script(),
     "<p>SO<sup>4</sup><sub>2</sub><sup>-</sup></p>\n"},
    {"NormalScriptClearsBoth", u"SO42-",
     W().Command2(u"Subscript", 0, 5).Command2(u"NormalScript", 1, 3).Script(),
     "<p><sub>S</sub>O42<sub>-</sub></p>\n"},
    {"RangeClampsAtTheStart", u"abc", W().Command2(u"Subscript", -2, 4).Script(),
     "<p><sub>ab</sub>c</p>\n"},
    {"RangeClampsAtTheEnd", u"abc", W().Command2(u"Superscript", 2, 100).Script(),
     "<p>ab<sup>c</sup></p>\n"},
    {"NegativeLengthIsEmpty", u"abc", W().Command2(u"Subscript", 1, -1).Script(), "<p>abc</p>\n"},
    {"RangeBeyondTheEndIsEmpty", u"abc", W().Command2(u"Bold", 5, 2).Script(), "<p>abc</p>\n"},
    {"FractionalOffsetsRoundToEven", u"abcdef", W().Command2(u"Subscript", u"2.5", u"1.5").Script(),
     "<p>ab<sub>cd</sub>ef</p>\n"},

    // Character formatting.
    {"Small", u"D-glucose", W().Command2(u"Small", 0, 1).Script(),
     "<p><span style=\"font-variant:small-caps\"><small>D</small></span>-glucose</p>\n"},
    {"ChemicalSmall", u"D-glucose", W().Command2(u"Chemical Small", 0, 1).Script(),
     "<p><span class=\"chemical-small\"><span "
     "style=\"font-variant:small-caps\"><small>D</small></span></span>"
     "-glucose</p>\n"},
    {"Italic", u"tert-butyl", W().Command2(u"Italic", 0, 4).Script(), "<p><i>tert</i>-butyl</p>\n"},
    {"ChemicalItalic", u"tert-butyl", W().Command2(u"Chemical Italic", 0, 4).Script(),
     "<p><span class=\"chemical-italic\"><i>tert</i></span>-butyl</p>\n"},
    {"ItalicAndBold", u"J. Org. Chem. 1999",
     W().Command2(u"Italic", 0, 13).Command2(u"Bold", 14, 4).Script(),
     "<p><i>J. Org. Chem.</i> <b>1999</b></p>\n"},
    {"OverlappingFormatsNest", u"abc",
     W().Command2(u"Bold", 0, 2).Command2(u"Italic", 1, 2).Script(),
     "<p><b>a<i>b</i></b><i>c</i></p>\n"},
    {"ReplaceCharPositiveCode", u"HC#CH", W().Command2(u"ReplaceChar", 2, 8801).Script(),
     "<p>HC\u2261CH</p>\n"},
    {"ReplaceCharNegativeCode", u"a*b", W().Command2(u"ReplaceChar", 1, -155).Script(),
     "<p>a\uFF65b</p>\n"},
    {"ReplaceCharKeepsFormatting", u"a*b",
     W().Command2(u"Italic", 1, 1).Command2(u"ReplaceChar", 1, 65).Script(), "<p>a<i>A</i>b</p>\n"},
    {"ReplaceCharOutsideDoesNothing", u"ab",
     W().Command2(u"ReplaceChar", 2, 65).Command2(u"ReplaceChar", -1, 65).Script(), "<p>ab</p>\n"},

    // Typing and the cursor.
    {"TypeTextAtTheCursor", u"ab", W().Command1(u"GoTo", 1).Command1(u"TypeText", u"X").Script(),
     "<p>aXb</p>\n"},
    {"TypeTextLeavesTheCursorAfterIt", u"ab",
     W().Command1(u"GoTo", 1)
         .Command1(u"TypeText", u"xyz")
         .Value(u"$CursorPosition")
         .Command(u"TypeText")
         .Script(),
     "<p>axyz4b</p>\n"},
    {"TypedTextIsPlain", u"H2",
     W().Command2(u"Subscript", 1, 1).Command1(u"GoTo", 2).Command1(u"TypeText", u"O").Script(),
     "<p>H<sub>2</sub>O</p>\n"},
    {"TypeStyledTextItalic", u"ab",
     W().Command1(u"GoTo", 1).Command2(u"TypeStyledText", u"J", u"Italic").Script(),
     "<p>a<i>J</i>b</p>\n"},
    {"TypeStyledTextBold", u"ab",
     W().Command1(u"GoTo", 1).Command2(u"TypeStyledText", u"J", u"Bold").Script(),
     "<p>a<b>J</b>b</p>\n"},
    {"TypeStyledTextNamedStyle", u"ab",
     W().Command1(u"GoTo", 1).Command2(u"TypeStyledText", u"L", u"Chemical Small").Script(),
     "<p>a<span class=\"chemical-small\"><span "
     "style=\"font-variant:small-caps\"><small>L</small></span></span>"
     "b</p>\n"},
    {"GoToClampsBothWays", u"ab",
     W().Command1(u"GoTo", 99)
         .Command1(u"TypeText", u"]")
         .Command1(u"GoTo", -5)
         .Command1(u"TypeText", u"[")
         .Script(),
     "<p>[ab]</p>\n"},
    {"PrevCharAndNextCharClamp", u"ab",
     W().Command1(u"GoTo", 0)
         .Command1(u"GoTo", u"PrevChar")
         .Command1(u"TypeText", u"<")
         .Command1(u"GoTo", 2)
         .Command1(u"GoTo", u"NextChar")
         .Command1(u"GoTo", u"NextChar")
         .Command1(u"GoTo", u"NextChar")
         .Command1(u"TypeText", u">")
         .Script(),
     "<p>&lt;ab&gt;</p>\n"},
    {"PrevCharStepsBack", u"ab",
     W().Command1(u"GoTo", 2).Command1(u"GoTo", u"PrevChar").Command1(u"TypeText", u"|").Script(),
     "<p>a|b</p>\n"},
    {"EndOfSelectionOfTheWholeText", u"ab",
     W().Command1(u"GoTo", u"EndOfSelection").Command1(u"TypeText", u"!").Script(), "<p>ab!</p>\n"},
    {"EndOfSelectionAfterSelect", u"abc",
     W().Command2(u"Select", 0, 1)
         .Command1(u"GoTo", u"EndOfSelection")
         .Command1(u"TypeText", u"|")
         .Script(),
     "<p>a|bc</p>\n"},
    {"BackspaceAtTheStartDoesNothing", u"ab",
     W().Command1(u"GoTo", 0).Command(u"TypeBackspace").Script(), "<p>ab</p>\n"},
    {"BackspaceDeletesBeforeTheCursor", u"abc",
     W().Command1(u"GoTo", 2).Command(u"TypeBackspace").Command1(u"TypeText", u"X").Script(),
     "<p>aXc</p>\n"},
    {"TypeParagraphSplits", u"ab", W().Command1(u"GoTo", 1).Command(u"TypeParagraph").Script(),
     "<p>a</p>\n<p>b</p>\n"},
    {"TypedCarriageReturnIsAParagraphMark", u"ab",
     W().Command1(u"GoTo", 1).Command1(u"TypeText", u"x\ry").Script(), "<p>ax</p>\n<p>yb</p>\n"},
    {"TypeParagraphKeepsTheStyle", u"one",
     W().Command1(u"ApplyStyle", u"Title")
         .Command1(u"GoTo", 3)
         .Command(u"TypeParagraph")
         .Command1(u"TypeText", u"two")
         .Script(),
     "<p class=\"title\">one</p>\n<p class=\"title\">two</p>\n"},

    // Clipboard.
    {"CopyAndPasteKeepFormatting", u"H2O",
     W().Command2(u"Subscript", 1, 1)
         .Command2(u"Copy", 0, 2)
         .Command1(u"GoTo", 3)
         .Command(u"Paste")
         .Command(u"Paste")
         .Script(),
     "<p>H<sub>2</sub>OH<sub>2</sub>H<sub>2</sub></p>\n"},
    {"CutLeavesTheCursorAtItsStart", u"abcd",
     W().Command1(u"GoTo", 4)
         .Command2(u"Cut", 1, 2)
         .Command1(u"TypeText", u"X")
         .Command(u"Paste")
         .Script(),
     "<p>aXbcd</p>\n"},
    {"CutClampsLikeEveryRange", u"abcd",
     W().Command2(u"Cut", 2, 10).Command1(u"GoTo", 0).Command(u"Paste").Script(), "<p>cdab</p>\n"},
    {"DeleteLeavesTheClipboard", u"abcd",
     W().Command2(u"Copy", 0, 1)
         .Command2(u"Delete", 1, 2)
         .Command1(u"GoTo", 2)
         .Command(u"Paste")
         .Script(),
     "<p>ada</p>\n"},
    {"DeleteMovesTheCursorWithTheText", u"abcd",
     W().Command1(u"GoTo", 3).Command2(u"Delete", 0, 2).Command1(u"TypeText", u"X").Script(),
     "<p>cXd</p>\n"},
    {"PasteOfAnEmptyClipboard", u"ab", W().Command(u"Paste").Script(), "<p>ab</p>\n"},
    {"CopiedParagraphMarkKeepsItsStyle", u"a\rb",
     W().Command2(u"Select", 0, 1)
         .Command1(u"ApplyStyle", u"Heading")
         .Command2(u"Copy", 0, 2)
         .Command1(u"GoTo", 3)
         .Command(u"Paste")
         .Script(),
     "<p class=\"heading\">a</p>\n<p class=\"heading\">ba</p>\n"},

    // Selection and styles.
    {"ApplyStyleToTouchedParagraphs", u"one\rtwo\rthree",
     W().Command2(u"Select", 4, 5).Command1(u"ApplyStyle", u"Heading 1").Script(),
     "<p>one</p>\n<p class=\"heading-1\">two</p>\n<p class=\"heading-1\">three</p>\n"},
    {"SelectionEndingAfterAMarkStopsThere", u"one\rtwo\rthree",
     W().Command2(u"Select", 4, 4).Command1(u"ApplyStyle", u"Quote").Script(),
     "<p>one</p>\n<p class=\"quote\">two</p>\n<p>three</p>\n"},
    {"EmptySelectionStylesTheCursorParagraph", u"one\rtwo\rthree",
     W().Command1(u"GoTo", 5).Command1(u"ApplyStyle", u"Quote").Script(),
     "<p>one</p>\n<p class=\"quote\">two</p>\n<p>three</p>\n"},
    {"ApplyCharacterStyleToTheSelection", u"tert-butyl",
     W().Command2(u"Select", 0, 4).Command1(u"ApplyStyle", u"Chemical Italic").Script(),
     "<p><span class=\"chemical-italic\"><i>tert</i></span>-butyl</p>\n"},
    {"SelectClamps", u"abc",
     W().Command2(u"Select", -5, 7).Command1(u"ApplyStyle", u"Chemical Italic").Script(),
     "<p><span class=\"chemical-italic\"><i>ab</i></span>c</p>\n"},
    {"SelectPutsTheCursorAtItsStart", u"abc",
     W().Command2(u"Select", 1, 2).Command1(u"TypeText", u"|").Script(), "<p>a|bc</p>\n"},
    {"JoinedParagraphKeepsTheStyleOfTheRemainingMark", u"a\rb",
     W().Command2(u"Select", 2, 1)
         .Command1(u"ApplyStyle", u"Quote")
         .Command2(u"Delete", 1, 1)
         .Script(),
     "<p class=\"quote\">ab</p>\n"},
};

INSTANTIATE_TEST_SUITE_P(Operations, DocumentScriptTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentScriptTest, QueryValueAnswersOtherValuesUnchanged) {
  const Document document(u"abc");
  for (const std::u16string_view value :
       {u"5", u"x", u"", u" 7", u"$cursorposition", u"PrevChar"}) {
    EXPECT_EQ(document.QueryValue(value), Variant(value));
  }
  EXPECT_EQ(document.QueryValue(u"$CursorPosition"), Variant(0));
}

TEST(DocumentScriptTest, CursorPositionCountsTypedText) {
  auto document = std::make_shared<Document>(u"abc");
  RunOn(document, W().Command1(u"GoTo", 1)
                      .Command1(u"TypeText", u"xy")
                      .Value(0)
                      .Value(u"$CursorPosition")
                      .Command(u"Select")
                      .Script());
  EXPECT_EQ(document->SelectionStart(), 0);
  EXPECT_EQ(document->SelectionLength(), 3);
}

TEST(DocumentScriptTest, UnknownGoToTargetIsAnInvalidProcedureCall) {
  for (const std::u16string_view target : {u"StartOfLine", u"", u"prevchar", u"1x"}) {
    auto document = std::make_shared<Document>(u"abc");
    try {
      RunOn(document, W().Command1(u"GoTo", target).Script());
      ADD_FAILURE() << "no error for a GoTo target";
    } catch (const AutomationError& error) {
      EXPECT_EQ(error.Number(), 5);
      EXPECT_EQ(error.Description(), u"Invalid procedure call or argument");
    }
  }
}

TEST(DocumentScriptTest, ReplaceCharRejectsCodesBeyondSixteenBits) {
  const std::pair<std::u16string_view, int32_t> cases[] = {
      {u"70000", 5}, {u"-40000", 5}, {u"x", 13}};
  for (const auto& [code, number] : cases) {
    auto document = std::make_shared<Document>(u"abc");
    try {
      RunOn(document, W().Command2(u"ReplaceChar", u"1", code).Script());
      ADD_FAILURE() << "no error for a code";
    } catch (const AutomationError& error) {
      EXPECT_EQ(error.Number(), number);
    }
    EXPECT_EQ(document->Text(), u"abc");
  }
}

TEST(DocumentScriptTest, CutReplacesTheClipboard) {
  auto document = std::make_shared<Document>(u"abcd");
  RunOn(document, W().Command2(u"Copy", 0, 1).Command2(u"Cut", 2, 2).Script());
  EXPECT_EQ(document->ClipboardText(), u"cd");
}

TEST(DocumentScriptTest, ReplacingAMarkJoinsParagraphs) {
  auto document = std::make_shared<Document>(u"a\rb");
  RunOn(document, W().Command2(u"ReplaceChar", 1, 32).Command2(u"ReplaceChar", 0, 13).Script());
  EXPECT_EQ(TextOf(*document), "\n b");
}

}  // namespace
}  // namespace glyphwright
