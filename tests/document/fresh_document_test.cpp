// A document made for one selection: its style table, clipboard, selection and limits behave the
// same whether the document is fresh, busy, or one of several alive at once.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "automation/automation_error.h"
#include "document_test_support.h"

namespace glyphwright {
namespace {

constexpr int32_t kMaxLong = std::numeric_limits<int32_t>::max();
constexpr int32_t kMinLong = std::numeric_limits<int32_t>::min();

TEST(FreshDocumentTest, PlainTextHasNoStyleAnywhere) {
  Document document(u"ab\rcd");
  for (int32_t i = 0; i < document.Size(); ++i) {
    EXPECT_EQ(document.FormatAt(i), CharFormat{}) << i;
    EXPECT_EQ(document.ParagraphStyleAt(i), u"") << i;
  }
  EXPECT_EQ(document.ParagraphStyleAt(document.Size()), u"");
}

using Styles = std::vector<std::string>;

// The named style of every character, in order.
Styles StylesOf(const Document& document) {
  Styles styles;
  for (int32_t i = 0; i < document.Size(); ++i) {
    styles.push_back(Utf16ToUtf8(document.FormatAt(i).style));
  }
  return styles;
}

TEST(FreshDocumentTest, NamedStylesKeepTheirNamesAndSharePerName) {
  Document document(u"abcdef");
  document.SetStyle(0, 2, u"First");
  document.SetStyle(2, 2, u"Second");
  document.SetStyle(4, 1, u"First");
  EXPECT_EQ(StylesOf(document), (Styles{"First", "First", "Second", "Second", "First", ""}));
  // The character formats that are no style.
  document.SetStyle(5, 1, u"Italic");
  EXPECT_TRUE(document.FormatAt(5).italic);
  EXPECT_EQ(document.FormatAt(5).style, u"");
}

TEST(FreshDocumentTest, TwoDocumentsNeverShareStyles) {
  Document first(u"ab");
  Document second(u"ab");
  first.SetStyle(0, 1, u"Only In The First");
  second.SetStyle(1, 1, u"Only In The Second");
  EXPECT_EQ(StylesOf(first), (Styles{"Only In The First", ""}));
  EXPECT_EQ(StylesOf(second), (Styles{"", "Only In The Second"}));
  EXPECT_EQ(StylesOf(Document(u"ab")), (Styles{"", ""}));
}

TEST(FreshDocumentTest, ParagraphStylesGoToTheTouchedParagraphsOnly) {
  Document document(u"one\rtwo\rthree");
  document.Select(5, 1);  // inside "two"
  document.ApplyStyle(u"Heading");
  EXPECT_EQ(document.ParagraphStyleAt(0), u"");
  EXPECT_EQ(document.ParagraphStyleAt(4), u"Heading");
  EXPECT_EQ(document.ParagraphStyleAt(9), u"");
  document.Select(10, 0);  // the last paragraph, which has no mark
  document.ApplyStyle(u"Heading");
  EXPECT_EQ(document.ParagraphStyleAt(9), u"Heading");
  EXPECT_EQ(document.ParagraphStyleAt(0), u"");
  // A character style named for the chemistry goes to the characters instead.
  document.Select(0, 3);
  document.ApplyStyle(kChemicalItalic);
  EXPECT_EQ(document.FormatAt(0).style, kChemicalItalic);
  EXPECT_EQ(document.FormatAt(3).style, u"");
  EXPECT_EQ(document.ParagraphStyleAt(0), u"");
}

TEST(FreshDocumentTest, CrEndsAParagraphAndLfDoesNot) {
  const Document document(u"a\rb\nc\r\nd");
  EXPECT_EQ(document.Text(), u"a\rb\nc\r\nd");
  EXPECT_EQ(document.Size(), 8);
  EXPECT_EQ(document.Paragraphs().size(), 3u);
  EXPECT_EQ(document.ParagraphStyleAt(2), u"");
}

TEST(FreshDocumentTest, TheClipboardStaysAfterEveryPaste) {
  Document document(u"H2O");
  document.CopyText(0, 2);
  EXPECT_EQ(document.ClipboardText(), u"H2");
  document.MoveCursor(u"3");
  document.PasteText();
  document.PasteText();
  EXPECT_EQ(document.Text(), u"H2OH2H2");
  EXPECT_EQ(document.ClipboardText(), u"H2");
  EXPECT_EQ(document.Cursor(), 7);
  // Pasted characters keep the formats they were copied with.
  document.SetSubscript(1, 1, true);
  document.CopyText(0, 2);
  document.MoveCursor(u"0");
  document.PasteText();
  EXPECT_EQ(HtmlOf(document), "<p>H<sub>2</sub>H<sub>2</sub>OH2H2</p>\n");
}

TEST(FreshDocumentTest, ThePastedDocumentOfItselfStopsAtItsLimit) {
  Document document(u"abcd");
  document.SetMaxLength(10);
  document.CopyText(0, 4);
  document.MoveCursor(u"EndOfSelection");
  document.PasteText();
  EXPECT_EQ(document.Size(), 8);
  try {
    document.PasteText();
    FAIL() << "a paste past the limit went through";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 1);
  }
  EXPECT_EQ(document.Text(), u"abcdabcd");
  EXPECT_EQ(document.ClipboardText(), u"abcd");
}

TEST(FreshDocumentTest, TheSelectionInsideSurroundingTextIsTheQuerysText) {
  Document document(u"before ", u"SO42-", u" after");
  EXPECT_EQ(document.BeginQuery(), u"SO42-");
  EXPECT_EQ(document.Origin(), 7);
  EXPECT_EQ(document.Text(), u"before SO42- after");
  document.Select(0, 6);
  EXPECT_EQ(document.BeginQuery(), u"before");
  EXPECT_EQ(document.Origin(), 0);
}

// The query takes the selected text over and appends one blank to prepare its scan.
TEST(FreshDocumentTest, TheSelectedTextHasRoomForOneMore) {
  for (const std::u16string_view text :
       {std::u16string_view(u""), std::u16string_view(u"H2O"), std::u16string_view(u"SO42-+x"),
        std::u16string_view(u"C6H12O6 and more")}) {
    Document document(u"x ", text, u" y");
    const std::u16string selected = document.BeginQuery();
    EXPECT_EQ(selected, text);
    EXPECT_GT(selected.capacity(), selected.size()) << selected.size();
  }
}

TEST(FreshDocumentTest, AnEmptyDocumentTakesEveryCallAndStaysEmpty) {
  const auto document = std::make_shared<Document>(u"");
  EXPECT_EQ(document->BeginQuery(), u"");
  RunOn(document, ScriptWriter()
                      .Command2(u"Subscript", 0, 1)
                      .Command2(u"Superscript", -1, 3)
                      .Command2(u"Chemical Italic", 0, 5)
                      .Command2(u"ReplaceChar", 0, 65)
                      .Command(u"Paste")
                      .Command(u"TypeBackspace")
                      .Script());
  EXPECT_EQ(document->Size(), 0);
  EXPECT_EQ(document->Paragraphs().size(), 1u);
  EXPECT_EQ(document->GetSubscript(0, 1), Document::kNoneSet);
}

// Offsets and lengths are Longs counted from the origin; the sums reach past a Long's range and
// must still clamp to the document.
TEST(FreshDocumentTest, RangesAtTheEndsOfALongClampToTheDocument) {
  Document document(u"before ", u"SO4", u" after");
  document.SetSubscript(kMaxLong, kMaxLong, true);
  document.SetSuperscript(kMinLong, 0, true);
  for (int32_t i = 0; i < document.Size(); ++i) EXPECT_EQ(document.FormatAt(i), CharFormat{});
  // From far before the document to one before the origin: the text before the selection.
  document.SetSubscript(kMinLong, kMaxLong, true);
  EXPECT_EQ(document.GetSubscript(-7, 6), Document::kWholeRangeSet);
  EXPECT_EQ(document.GetSubscript(-1, 1), Document::kNoneSet);
  document.SetSuperscript(-1, kMaxLong, true);
  EXPECT_EQ(document.GetSuperscript(-1, kMaxLong), Document::kWholeRangeSet);
  EXPECT_EQ(document.GetSubscript(-7, 7), Document::kMixed);
  EXPECT_EQ(document.GetSubscript(3, kMinLong), Document::kNoneSet);
}

TEST(FreshDocumentTest, OneToThreeCharactersChangeExactly) {
  Document document(u"SO42-");
  document.SetSubscript(2, 1, true);
  document.SetSuperscript(3, 2, true);
  EXPECT_EQ(HtmlOf(document), "<p>SO<sub>4</sub><sup>2-</sup></p>\n");
  // Superscript clears subscript on its range, and clearing leaves the other state alone.
  document.SetSuperscript(2, 1, true);
  document.SetSubscript(3, 1, false);
  EXPECT_EQ(HtmlOf(document), "<p>SO<sup>42-</sup></p>\n");
  document.SetSuperscript(2, 3, false);
  EXPECT_EQ(HtmlOf(document), "<p>SO42-</p>\n");
}

TEST(FreshDocumentTest, AFullDocumentRefusesTypingAndChangesNothing) {
  Document document(u"abc");
  document.SetMaxLength(4);
  document.MoveCursor(u"1");
  document.TypeText(u"x", u"");
  try {
    document.TypeText(u"y", u"Bold");
    FAIL() << "typing past the limit went through";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 1);
    EXPECT_EQ(error.Description(), u"The document is full: it holds at most 4 characters.");
  }
  EXPECT_EQ(document.Text(), u"axbc");
  EXPECT_EQ(document.Cursor(), 2);
}

// A selection-sized text lives inside the document and a longer one on the heap; typing and
// pasting carry a document from one to the other without losing a character or a format.
TEST(FreshDocumentTest, GrowingPastAShortTextKeepsEveryCharacterAndFormat) {
  const auto document = std::make_shared<Document>(u"[Fe(CN)6]3- + SO42-");
  RunOn(document, ScriptWriter()
                      .Command2(u"Subscript", 7, 1)
                      .Command2(u"Superscript", 9, 2)
                      .Command2(u"Subscript", 16, 1)
                      .Command2(u"Superscript", 17, 2)
                      .Command2(u"Copy", 0, 19)
                      .Command1(u"GoTo", 19)
                      .Command1(u"TypeText", u" and ")
                      .Command(u"Paste")
                      .Command(u"Paste")
                      .Script());
  const std::string ion = "[Fe(CN)<sub>6</sub>]<sup>3-</sup> + SO<sub>4</sub><sup>2-</sup>";
  EXPECT_EQ(HtmlOf(*document), "<p>" + ion + " and " + ion + ion + "</p>\n");
  EXPECT_EQ(document->Size(), 62);
  RunOn(document, ScriptWriter().Command2(u"Delete", 5, 55).Script());
  EXPECT_EQ(TextOf(*document), "[Fe(C2-");
  EXPECT_EQ(HtmlOf(*document), "<p>[Fe(C<sup>2-</sup></p>\n");
}

TEST(FreshDocumentTest, CopiesAndMovesOfADocumentAreWholeAndIndependent) {
  for (const std::u16string_view text :
       {std::u16string_view(u"SO42-"),
        std::u16string_view(u"a text longer than a selection of a few words, SO42-")}) {
    Document original(text);
    const auto at = static_cast<int32_t>(text.size()) - 3;
    original.SetSubscript(at, 1, true);
    original.SetStyle(0, 1, u"Named");
    Document copy = original;
    copy.SetSuperscript(at, 3, true);
    copy.SetStyle(0, 1, u"Other");
    EXPECT_EQ(original.GetSubscript(at, 1), Document::kWholeRangeSet);
    EXPECT_EQ(original.GetSuperscript(at, 3), Document::kNoneSet);
    EXPECT_EQ(original.FormatAt(0).style, u"Named");
    EXPECT_EQ(copy.GetSuperscript(at, 3), Document::kWholeRangeSet);
    EXPECT_EQ(copy.FormatAt(0).style, u"Other");
    const std::string html = HtmlOf(original);
    Document moved = std::move(original);
    EXPECT_EQ(HtmlOf(moved), html);
    EXPECT_EQ(moved.Text(), text);
    copy = std::move(moved);
    EXPECT_EQ(HtmlOf(copy), html);
  }
}

}  // namespace
}  // namespace glyphwright
