// Renderings handed over a piece at a time must join to exactly the whole rendering, and the
// paragraphs a renderer is shown one at a time must be the document's paragraphs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document_test_support.h"

namespace glyphwright {
namespace {

using W = ScriptWriter;

// Enough paragraphs for many pieces: formatted runs, a named character style, small capitals,
// and a stretch of table rows in the middle, so that a piece ends inside the table.
std::shared_ptr<Document> LongDocument(bool lastParagraphEnded) {
  std::u16string html;
  for (int i = 0; i < 3000; ++i) {
    html += u"<i>p</i>-CH<sub>3</sub>C<sub>6</sub>H<sub>4</sub> &amp; SO<sub>4</sub><sup>2-</sup>";
    html += u"\tx\r";
  }
  if (!lastParagraphEnded) html += u"end";
  auto document = std::make_shared<Document>(Document::FromHtml(html));
  // Every paragraph has the same length: rows 1000 to 1999 become the table, and a few characters
  // of the first paragraphs get a named style and small capitals.
  const auto paragraph = static_cast<int32_t>(document->Text().find(u'\r') + 1);
  RunOn(document, W().Command2(u"Select", 1000 * paragraph, 1000 * paragraph - 1)
                      .Command1(u"ApplyStyle", u"NMR Spec Table")
                      .Command2(u"Chemical Italic", 3, 5)
                      .Command2(u"Small", paragraph + 2, 4)
                      .Script());
  return document;
}

struct Form {
  const char* name;
  std::u16string (*whole)(const Document&);
  void (*inPieces)(const Document&, const RenderSink&);
};

const Form kForms[] = {
    {"html", RenderHtml, RenderHtml},
    {"text", RenderText, RenderText},
    {"unicode", RenderUnicode, RenderUnicode},
    {"json", RenderJson, RenderJson},
};

std::vector<std::u16string> Pieces(const Form& form, const Document& document) {
  std::vector<std::u16string> pieces;
  form.inPieces(document, [&](std::u16string_view piece) { pieces.emplace_back(piece); });
  return pieces;
}

std::u16string Joined(const std::vector<std::u16string>& pieces) {
  std::u16string joined;
  for (const std::u16string& piece : pieces) joined += piece;
  return joined;
}

TEST(RenderPiecesTest, PiecesOfALongDocumentJoinToTheWholeRendering) {
  for (const bool ended : {true, false}) {
    const auto document = LongDocument(ended);
    for (const Form& form : kForms) {
      SCOPED_TRACE(std::string(form.name) + (ended ? ", last paragraph ended" : ", unended"));
      const std::vector<std::u16string> pieces = Pieces(form, *document);
      EXPECT_GT(pieces.size(), 1u);
      for (const std::u16string& piece : pieces) EXPECT_FALSE(piece.empty());
      EXPECT_EQ(Utf16ToUtf8(Joined(pieces)), Utf16ToUtf8(form.whole(*document)));
    }
  }
}

TEST(RenderPiecesTest, TheLongDocumentHasOneTableAndItsStyles) {
  const std::u16string html = RenderHtml(*LongDocument(true));
  std::size_t tables = 0;
  for (std::size_t at = html.find(u"<table"); at != std::u16string::npos;
       at = html.find(u"<table", at + 1)) {
    ++tables;
  }
  EXPECT_EQ(tables, 1u);
  EXPECT_NE(html.find(u"<span class=\"chemical-italic\">"), std::u16string::npos);
  EXPECT_NE(html.find(u"font-variant:small-caps"), std::u16string::npos);
}

TEST(RenderPiecesTest, ShortDocumentsComeAsOnePieceOrNone) {
  const Document empty;
  for (const Form& form : kForms) {
    SCOPED_TRACE(form.name);
    const std::vector<std::u16string> pieces = Pieces(form, empty);
    EXPECT_EQ(Joined(pieces), form.whole(empty));
    EXPECT_LE(pieces.size(), 1u);
  }
  // The plain text of an empty document is empty: nothing at all is handed over.
  EXPECT_TRUE(Pieces(kForms[1], empty).empty());
  EXPECT_EQ(Utf16ToUtf8(Joined(Pieces(kForms[3], empty))),
            "{\"paragraphs\":[{\"style\":\"\",\"runs\":[]}]}");
}

// The runs are made in one reused object: a short run after a long one, or a plain one after a
// styled one, must not keep what the earlier one had.
TEST(ParagraphsTest, EachRunHasOnlyItsOwnTextAndFormat) {
  const auto document = std::make_shared<Document>(Document::FromHtml(
      u"H<sub>2</sub>S<i>O</i><sub>4</sub>\r<b>x</b>\r\rlong run<sup>+</sup>y\rz"));
  RunOn(document, W().Command2(u"Chemical Italic", 0, 1).Script());
  CharFormat sub, italic, bold, sup, named;
  sub.subscript = true;
  italic.italic = true;
  bold.bold = true;
  sup.superscript = true;
  named.style = kChemicalItalic;
  using Runs = std::vector<std::pair<std::string, CharFormat>>;
  std::vector<Runs> seen;
  std::vector<bool> ended;
  for (const Paragraph& paragraph : document->Paragraphs()) {
    Runs& runs = seen.emplace_back();
    for (const glyphwright::Run& run : paragraph.runs) {
      runs.emplace_back(Utf16ToUtf8(run.text), run.format);
    }
    ended.push_back(paragraph.ended);
  }
  ASSERT_EQ(seen.size(), 5u);
  EXPECT_EQ(seen[0], (Runs{{"H", named}, {"2", sub}, {"S", {}}, {"O", italic}, {"4", sub}}));
  EXPECT_EQ(seen[1], (Runs{{"x", bold}}));
  EXPECT_EQ(seen[2], Runs{});
  EXPECT_EQ(seen[3], (Runs{{"long run", {}}, {"+", sup}, {"y", {}}}));
  EXPECT_EQ(seen[4], (Runs{{"z", {}}}));
  EXPECT_EQ(ended, (std::vector<bool>{true, true, true, true, false}));
}

TEST(ParagraphsTest, ATrailingMarkAddsNoEmptyParagraphButAnEmptyDocumentHasOne) {
  EXPECT_EQ(Document(u"a\rb\r").Paragraphs().size(), 2u);
  EXPECT_EQ(Document(u"\r").Paragraphs().size(), 1u);
  const std::vector<Paragraph> none = Document().Paragraphs();
  ASSERT_EQ(none.size(), 1u);
  EXPECT_FALSE(none[0].ended);
  EXPECT_TRUE(none[0].runs.empty());
}

// Lines without paragraph marks are one long paragraph: it too is handed over in pieces, and a
// surrogate pair cut between two runs stays within one piece.
TEST(RenderPiecesTest, OneLongParagraphComesInPiecesWithSurrogatePairsWhole) {
  // One plain letter, then pairs whose high surrogate is subscripted and whose low one is not:
  // every run is one code unit, and the 32,768th unit of the text is a high surrogate.
  std::u16string text = u"a";
  for (int i = 0; i < 20000; ++i) text += u"\U0001D400";
  auto document = std::make_shared<Document>(text);
  W script;
  for (std::size_t at = 1; at < text.size(); at += 2) {
    script.Command2(u"Subscript", static_cast<int64_t>(at), 1);
  }
  RunOn(document, script.Script());
  for (const Form& form : kForms) {
    SCOPED_TRACE(form.name);
    const std::vector<std::u16string> pieces = Pieces(form, *document);
    EXPECT_GT(pieces.size(), 1u);
    for (const std::u16string& piece : pieces) {
      ASSERT_FALSE(piece.empty());
      EXPECT_FALSE(piece.back() >= 0xD800 && piece.back() <= 0xDBFF);
    }
    EXPECT_EQ(Joined(pieces), form.whole(*document));
  }
}

}  // namespace
}  // namespace glyphwright
