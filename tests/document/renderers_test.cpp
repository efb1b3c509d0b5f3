#include <gtest/gtest.h>

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
