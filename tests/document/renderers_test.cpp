#include <gtest/gtest.h>

#include <tuple>

#include "document_test_support.h"

namespace glyphwright {
namespace {

using W = ScriptWriter;

std::shared_ptr<Document> Styled(std::u16string_view html, std::u16string_view script) {
  auto document = std::make_shared<Document>(Document::FromHtml(html));
  RunOn(document, script);
  return document;
}

TEST(RenderHtmlTest, EscapesTextAndNestsElements) {
  const auto document = Styled(u"a &amp; &lt;b&gt; \"q\" 'x' <b>1<i>2</i></b><i>3</i>", u"");
  EXPECT_EQ(HtmlOf(*document),
            "<p>a &amp; &lt;b&gt; &quot;q&quot; 'x' <b>1<i>2</i></b><i>3</i></p>\n");
}

TEST(RenderHtmlTest, NeighbouringRunsShareOuterElements) {
  const auto document = Styled(u"<i>x<sub>2</sub>y<sup>3</sup></i>", u"");
  EXPECT_EQ(HtmlOf(*document), "<p><i>x<sub>2</sub>y<sup>3</sup></i></p>\n");
}

TEST(RenderHtmlTest, ParagraphStylesBecomeClasses) {
  const auto document =
      Styled(u"Title\rBody\r",
             W().Command2(u"Select", 0, 1).Command1(u"ApplyStyle", u"Heading 1").Script());
  EXPECT_EQ(HtmlOf(*document), "<p class=\"heading-1\">Title</p>\n<p>Body</p>\n");
}

TEST(RenderHtmlTest, NmrSpecTableParagraphsFormOneTable) {
  const auto document =
      Styled(u"Data\r7.26\t1H\t<i>d</i>\t8.0\t<i>H-3</i>\r1.25\t3H\ts\t\t\rend\rx\ty",
             W().Command2(u"Select", 5, 30)
                 .Command1(u"ApplyStyle", u"NMR Spec Table")
                 .Command2(u"Select", 40, 1)
                 .Command1(u"ApplyStyle", u"NMR Spec Table")
                 .Script());
  EXPECT_EQ(HtmlOf(*document),
            "<p>Data</p>\n"
            "<table class=\"nmr-spec-table\">\n"
            "<tr><td>7.26</td><td>1H</td><td><i>d</i></td><td>8.0</td><td><i>H-3</i></td></tr>\n"
            "<tr><td>1.25</td><td>3H</td><td>s</td><td></td><td></td></tr>\n"
            "</table>\n"
            "<p>end</p>\n"
            "<table class=\"nmr-spec-table\">\n"
            "<tr><td>x</td><td>y</td></tr>\n"
            "</table>\n");
}

TEST(RenderHtmlTest, FormattedTabsStillSplitCells) {
  const auto document =
      Styled(u"<i>a\tb</i>", W().Command1(u"ApplyStyle", u"NMR Spec Table").Script());
  EXPECT_EQ(HtmlOf(*document),
            "<table class=\"nmr-spec-table\">\n<tr><td><i>a</i></td><td><i>b</i></td></tr>\n"
            "</table>\n");
}

TEST(RenderHtmlTest, ParagraphMarksEndParagraphs) {
  const std::pair<std::u16string, std::string> cases[] = {
      {u"", "<p></p>\n"},
      {u"a", "<p>a</p>\n"},
      {u"a\r", "<p>a</p>\n"},  // nothing is shown after a final mark
      {u"a\r\r", "<p>a</p>\n<p></p>\n"},
      {u"\rb", "<p></p>\n<p>b</p>\n"},
  };
  for (const auto& [text, html] : cases) {
    EXPECT_EQ(HtmlOf(Document(text)), html);
  }
}

// font-variant:small-caps alone draws a capital at full size: the capitals go in <small> too.
TEST(RenderHtmlTest, SmallCapitalsShrinkTheirCapitals) {
  const std::tuple<std::u16string, std::u16string, std::string> cases[] = {
      {u"D-glucose", W().Command2(u"Small", 0, 1).Script(),
       "<p><span style=\"font-variant:small-caps\"><small>D</small></span>-glucose</p>\n"},
      {u"DL-alanine", W().Command2(u"Small", 0, 2).Script(),
       "<p><span style=\"font-variant:small-caps\"><small>DL</small></span>-alanine</p>\n"},
      // Lower-case letters are small capitals already; only the capitals need the smaller size.
      {u"Dl-x", W().Command2(u"Small", 0, 4).Script(),
       "<p><span style=\"font-variant:small-caps\"><small>D</small>l-x</span></p>\n"},
      {u"a &amp; B&lt;", W().Command2(u"Small", 0, 6).Script(),
       "<p><span style=\"font-variant:small-caps\">a &amp; <small>B</small>&lt;</span></p>\n"},
      {u"\u00C4\u00D7\u03A9\u03C9", W().Command2(u"Small", 0, 4).Script(),
       "<p><span style=\"font-variant:small-caps\"><small>\u00C4</small>\u00D7<small>\u03A9</small>"
       "\u03C9</span></p>\n"},
      // The other elements of the run stay outside, shared with the neighbours.
      {u"Dx", W().Command2(u"Small", 0, 2).Command2(u"Bold", 0, 1).Script(),
       "<p><span style=\"font-variant:small-caps\"><b><small>D</small></b>x</span></p>\n"},
      {u"L2", W().Command2(u"Chemical Small", 0, 2).Command2(u"Subscript", 1, 1).Script(),
       "<p><span class=\"chemical-small\"><span style=\"font-variant:small-caps\"><small>L</small>"
       "<sub>2</sub></span></span></p>\n"},
      {u"D", W().Command2(u"Italic", 0, 1).Script(), "<p><i>D</i></p>\n"},
  };
  for (const auto& [text, script, html] : cases) {
    SCOPED_TRACE(Utf16ToUtf8(text));
    EXPECT_EQ(HtmlOf(*Styled(text, script)), html);
  }
}

// Neighbouring runs share a named style's span only while the style is the same one.
TEST(RenderHtmlTest, NamedStylesOfNeighbouringRuns) {
  const std::tuple<std::u16string, std::u16string, std::string> cases[] = {
      {u"abcd", W().Command2(u"Chemical Italic", 0, 2).Command2(u"Subscript", 1, 1).Script(),
       "<p><span class=\"chemical-italic\"><i>a<sub>b</sub></i></span>cd</p>\n"},
      {u"abcd",
       W().Command2(u"Chemical Italic", 0, 1)
           .Command2(u"Chemical Small", 1, 1)
           .Command2(u"Chemical Italic", 2, 1)
           .Script(),
       "<p><span class=\"chemical-italic\"><i>a</i></span><span class=\"chemical-small\"><span "
       "style=\"font-variant:small-caps\">b</span></span><span class=\"chemical-italic\"><i>c</i>"
       "</span>d</p>\n"},
      {u"ab\rcd", W().Command2(u"Chemical Italic", 0, 5).Script(),
       "<p><span class=\"chemical-italic\"><i>ab</i></span></p>\n<p><span "
       "class=\"chemical-italic\"><i>cd</i></span></p>\n"},
  };
  for (const auto& [text, script, html] : cases) {
    SCOPED_TRACE(Utf16ToUtf8(text));
    EXPECT_EQ(HtmlOf(*Styled(text, script)), html);
  }
}

TEST(StyleClassTest, NamesBecomeLowerCaseWords) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"NMR Spec Table", u"nmr-spec-table"},
      {u"Chemical Italic", u"chemical-italic"},
      {u"  Heading  1 ", u"heading-1"},
      {u"a\"b<c>&d", u"a-b-c-d"},
      {u"snake_case-2", u"snake_case-2"},
      {u"\u00DCberschrift", u"\u00DCberschrift"},
      {u"!!", u""},
  };
  for (const auto& [style, name] : cases) EXPECT_EQ(StyleClass(style), name);
}

TEST(RenderTextTest, MarksBecomeLineFeedsAndFormattingGoes) {
  EXPECT_EQ(TextOf(*Styled(u"H<sub>2</sub>O\r<i>x</i>\ty\r", u"")), "H2O\nx\ty\n");
  EXPECT_EQ(TextOf(*Styled(u"a\rb", u"")), "a\nb");
  EXPECT_EQ(TextOf(Document(u"")), "");
}

TEST(RenderUnicodeTest, UsesSubscriptAndSuperscriptCharacters) {
  const std::pair<std::u16string, std::string> cases[] = {
      {u"H<sub>2</sub>SO<sub>4</sub>", "H₂SO₄"},
      {u"SO<sub>4</sub><sup>2-</sup>", "SO₄²⁻"},
      {u"<sup>0123456789+-=()</sup>", "⁰¹²³⁴⁵⁶⁷⁸⁹⁺⁻⁼⁽⁾"},
      {u"<sub>0123456789+-=()</sub>", "₀₁₂₃₄₅₆₇₈₉₊₋₌₍₎"},
      {u"Fe<sup>3+</sup> e<sup>&#x2212;</sup>", "Fe³⁺ e⁻"},
      {u"x<sup>n</sup> a<sub>n</sub> C<sub>&#x3B2;</sub>", "xⁿ aₙ Cᵦ"},
      // Letters Unicode lacks stay plain, one by one.
      {u"<sup>q</sup> <sub>b</sub> <sub>ax</sub> <sup>qa</sup> <sub>.</sub>", "q b ₐₓ qᵃ ."},
      {u"<sup>TM</sup>", "ᵀᴹ"},
      {u"<i>tert</i>-Bu\r<b>1</b>", "tert-Bu\n1"},
  };
  for (const auto& [html, unicode] : cases) {
    SCOPED_TRACE(Utf16ToUtf8(html));
    EXPECT_EQ(UnicodeOf(Document::FromHtml(html)), unicode);
  }
}

TEST(RenderUnicodeTest, UsesSmallCapitalLettersWhereTheyExist) {
  const std::tuple<std::u16string, std::u16string, std::string> cases[] = {
      {u"D-glucose", W().Command2(u"Small", 0, 1).Script(), "ᴅ-glucose"},
      {u"DL-alanine", W().Command2(u"Small", 0, 2).Script(), "ᴅʟ-alanine"},
      {u"L-x", W().Command2(u"Chemical Small", 0, 1).Script(), "ʟ-x"},
      {u"ABCDEFGHIJKLMNOPQRSTUVWXYZ", W().Command2(u"Small", 0, 26).Script(),
       "ᴀʙᴄᴅᴇꜰɢʜɪᴊᴋʟᴍɴᴏᴘꞯʀꜱᴛᴜᴠᴡXʏᴢ"},
      // Small capitals show lower-case letters as capitals too.
      {u"abcdefghijklmnopqrstuvwxyz", W().Command2(u"Small", 0, 26).Script(),
       "ᴀʙᴄᴅᴇꜰɢʜɪᴊᴋʟᴍɴᴏᴘꞯʀꜱᴛᴜᴠᴡxʏᴢ"},
      // Other characters have no small capital and stay as they are.
      {u"D-2,\u00C4\u03A9", W().Command2(u"Small", 0, 6).Script(), "ᴅ-2,\u00C4\u03A9"},
      // Only the formatted letters change, and a script position wins over the small capital.
      {u"D-D", W().Command2(u"Small", 0, 1).Script(), "ᴅ-D"},
      {u"L2", W().Command2(u"Small", 0, 2).Command2(u"Subscript", 1, 1).Script(), "ʟ₂"},
      {u"Ln", W().Command2(u"Small", 0, 2).Command2(u"Superscript", 1, 1).Script(), "ʟⁿ"},
  };
  for (const auto& [text, script, unicode] : cases) {
    SCOPED_TRACE(Utf16ToUtf8(text));
    const auto document = Styled(text, script);
    EXPECT_EQ(UnicodeOf(*document), unicode);
    // The letters themselves stay as typed: copying the text gives them back.
    EXPECT_EQ(TextOf(*document), Utf16ToUtf8(text));
  }
}

TEST(RenderJsonTest, ListsParagraphsAndRunsWithTheirAttributes) {
  const auto document =
      Styled(u"H<sub>2</sub>O D-x\rt\"a\\b\tc\x01", W().Command2(u"Small", 4, 1)
                                                        .Command2(u"Chemical Italic", 6, 1)
                                                        .Command2(u"Select", 8, 1)
                                                        .Command1(u"ApplyStyle", u"NMR Spec Table")
                                                        .Script());
  EXPECT_EQ(Utf16ToUtf8(RenderJson(*document)),
            R"({"paragraphs":[{"style":"","runs":[{"text":"H"},{"text":"2","subscript":true},)"
            R"({"text":"O "},{"text":"D","smallCaps":true},{"text":"-"},)"
            R"({"text":"x","characterStyle":"Chemical Italic"}]},)"
            R"({"style":"NMR Spec Table","runs":[{"text":"t\"a\\b\tc\u0001"}]}]})");
}

TEST(RenderJsonTest, EscapesLoneSurrogatesAndKeepsPairs) {
  const Document document(std::u16string{u'a', 0xD800, u'b', 0xD83D, 0xDE00, 0xDC00});
  EXPECT_EQ(
      Utf16ToUtf8(RenderJson(document)),
      "{\"paragraphs\":[{\"style\":\"\",\"runs\":[{\"text\":\"a\\ud800b\U0001F600\\udc00\"}]}]}");
}

}  // namespace
}  // namespace glyphwright
