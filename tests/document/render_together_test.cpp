// The one walk that makes the HTML, the text and the Unicode text together must give exactly what
// each renderer gives alone, whatever the document holds.
#include <gtest/gtest.h>

#include <string>

#include "document/render_together.h"
#include "document_test_support.h"

namespace glyphwright {
namespace {

using W = ScriptWriter;

struct Case {
  const char* name;
  std::u16string html;    // read with Document::FromHtml
  std::u16string script;  // then run on it
};

std::u16string TableScript() {
  return W().Command2(u"Select", 0, 7).Command1(u"ApplyStyle", u"NMR Spec Table").Script();
}

const Case kCases[] = {
    {"empty", u"", u""},
    {"one plain paragraph without a mark", u"plain", u""},
    {"scripts and escapes", u"H<sub>2</sub>SO<sub>4</sub> &amp; SO<sub>4</sub><sup>2-</sup>\r",
     u""},
    {"italic, bold and a named style", u"<i>p</i>-<b>x</b>yz\r",
     W().Command2(u"Chemical Italic", 4, 2).Script()},
    {"small capitals beside a superscript", u"d-Glucose<sup>x</sup>\r",
     W().Command2(u"Small", 0, 11).Script()},
    // The table reaches the end of the document: only Finish closes it.
    {"table to the end", u"1\t2\r3\t4\r", TableScript()},
    {"table, then a paragraph", u"1\t2\r3\t4\rafter", TableScript()},
    {"empty paragraphs", u"\r\r\rx\r", u""},
    {"lone surrogate", std::u16string(u"a") + char16_t(0xD800) + u"<sub>2</sub>\r", u""},
};

TEST(RenderTogetherTest, GivesWhatEachRendererGivesAlone) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    auto document = std::make_shared<Document>(Document::FromHtml(c.html));
    if (!c.script.empty()) RunOn(document, c.script);
    const HtmlTextUnicode together = RenderHtmlTextUnicode(*document);
    EXPECT_EQ(Utf16ToUtf8(together.html), HtmlOf(*document));
    EXPECT_EQ(Utf16ToUtf8(together.text), TextOf(*document));
    EXPECT_EQ(Utf16ToUtf8(together.unicode), UnicodeOf(*document));
    // Every code unit, a lone surrogate too, which UTF-8 would blur.
    EXPECT_TRUE(together.html == RenderHtml(*document));
    EXPECT_TRUE(together.unicode == RenderUnicode(*document));
  }
}

// A known document, so that the walk cannot agree with the renderers by being wrong with them.
TEST(RenderTogetherTest, FormulaInAllThreeForms) {
  auto document = std::make_shared<Document>(u"H2SO4\rx");
  RunOn(document, W().Command2(u"Subscript", 1, 1).Command2(u"Subscript", 4, 1).Script());
  const HtmlTextUnicode together = RenderHtmlTextUnicode(*document);
  EXPECT_EQ(Utf16ToUtf8(together.html), "<p>H<sub>2</sub>SO<sub>4</sub></p>\n<p>x</p>\n");
  EXPECT_EQ(Utf16ToUtf8(together.text), "H2SO4\nx");
  EXPECT_EQ(Utf16ToUtf8(together.unicode), "H₂SO₄\nx");
}

}  // namespace
}  // namespace glyphwright
