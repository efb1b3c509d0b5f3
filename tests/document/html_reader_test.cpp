#include <gtest/gtest.h>

#include "document/html_reader.h"
#include "document_test_support.h"

namespace glyphwright {
namespace {

struct GoodCase {
  std::u16string html;
  std::u16string text;  // the document's text
  std::string json;     // its formatting
};

TEST(HtmlReaderTest, ReadsTagsEntitiesAndTextVerbatim) {
  const GoodCase cases[] = {
      {u"H<sub>2</sub>O", u"H2O",
       R"({"paragraphs":[{"style":"","runs":[{"text":"H"},{"text":"2","subscript":true},)"
       R"({"text":"O"}]}]})"},
      {u"SO<SUB>4</SUB><Sup>2-</sUP>", u"SO42-",
       R"({"paragraphs":[{"style":"","runs":[{"text":"SO"},{"text":"4","subscript":true},)"
       R"({"text":"2-","superscript":true}]}]})"},
      {u"<b>1999</b>, <i>J</i>", u"1999, J",
       R"({"paragraphs":[{"style":"","runs":[{"text":"1999","bold":true},{"text":", "},)"
       R"({"text":"J","italic":true}]}]})"},
      {u"<b><i>x</i>y</b>", u"xy",
       R"({"paragraphs":[{"style":"","runs":[{"text":"x","italic":true,"bold":true},)"
       R"({"text":"y","bold":true}]}]})"},
      // The innermost of <sub> and <sup> decides.
      {u"<sup>a<sub>b</sub>c</sup>", u"abc",
       R"({"paragraphs":[{"style":"","runs":[{"text":"a","superscript":true},)"
       R"({"text":"b","subscript":true},{"text":"c","superscript":true}]}]})"},
      {u"<i ><b\t>x</b ></i>", u"x",
       R"({"paragraphs":[{"style":"","runs":[{"text":"x","italic":true,"bold":true}]}]})"},
      {u"a &amp; b &lt;&gt;&quot;&apos;&nbsp;", u"a & b <>\"'\u00A0",
       R"({"paragraphs":[{"style":"","runs":[{"text":"a & b <>\"')"
       "\u00A0"
       R"("}]}]})"},
      {u"&#948;&#x3B4;&#X3b4;&#x1F600;", u"\u03B4\u03B4\u03B4\U0001F600",
       R"({"paragraphs":[{"style":"","runs":[{"text":"δδδ😀"}]}]})"},
      // White space is text; CR is a paragraph mark, LF an ordinary character.
      {u"  a\tb\n c \r d ", u"  a\tb\n c \r d ",
       R"({"paragraphs":[{"style":"","runs":[{"text":"  a\tb\n c "}]},)"
       R"({"style":"","runs":[{"text":" d "}]}]})"},
      // An ampersand that cannot begin an entity is text, and so is a lone ">".
      {u"A & B > C &", u"A & B > C &",
       R"({"paragraphs":[{"style":"","runs":[{"text":"A & B > C &"}]}]})"},
      {u"", u"", R"({"paragraphs":[{"style":"","runs":[]}]})"},
      {u"<sub></sub>", u"", R"({"paragraphs":[{"style":"","runs":[]}]})"},
  };
  for (const GoodCase& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.html));
    const Document document = Document::FromHtml(c.html);
    EXPECT_EQ(document.Text(), c.text);
    EXPECT_EQ(document.SelectedText(), c.text);
    EXPECT_EQ(document.Origin(), 0);
    EXPECT_EQ(Utf16ToUtf8(RenderJson(document)), c.json);
  }
}

TEST(HtmlReaderTest, RejectsWhatItDoesNotReadNamingTheOffset) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"a<p>b</p>", u"Unsupported tag <p> at offset 1."},
      {u"<span class=\"x\">", u"Unsupported tag <span class=\"x\"> at offset 0."},
      {u"<sub x>2</sub>", u"Unsupported tag <sub x> at offset 0."},
      {u"<>", u"Unsupported tag <> at offset 0."},
      {u"<br/>", u"Unsupported tag <br/> at offset 0."},
      {u"<!-- c -->", u"Unsupported tag <!-- c --> at offset 0."},
      {u"H<sub>2", u"Unclosed tag <sub> at offset 1."},
      {u"<b><i>x</i>", u"Unclosed tag <b> at offset 0."},
      {u"<b><i>x</b></i>", u"Closing tag </b> at offset 7 does not match <i> at offset 3."},
      {u"x</sup>", u"Closing tag </sup> at offset 1 has no opening tag."},
      {u"a < b", u"Unterminated tag at offset 2."},
      {u"&foo;", u"Unknown character entity &foo; at offset 0."},
      {u"&AMP;", u"Unknown character entity &AMP; at offset 0."},
      {u"x &amp y", u"Unterminated character entity at offset 2."},
      {u"&averyveryverylongname;",
       u"Unknown character entity &averyveryverylongname; at offset 0."},
      {u"&amp", u"Unterminated character entity at offset 0."},
      {u"&#;", u"Malformed character entity &#; at offset 0."},
      {u"&#x;", u"Malformed character entity &#x; at offset 0."},
      {u"&#12a;", u"Malformed character entity &#12a; at offset 0."},
      {u"&#0;", u"Character entity &#0; at offset 0 names no valid character."},
      {u"&#xD800;", u"Character entity &#xD800; at offset 0 names no valid character."},
      {u"&#xDFFF;", u"Character entity &#xDFFF; at offset 0 names no valid character."},
      {u"&#x110000;", u"Character entity &#x110000; at offset 0 names no valid character."},
      {u"&#99999999999;", u"Character entity &#99999999999; at offset 0 names no valid character."},
  };
  for (const auto& [html, message] : cases) {
    SCOPED_TRACE(Utf16ToUtf8(html));
    try {
      Document::FromHtml(html);
      ADD_FAILURE() << "accepted";
    } catch (const AutomationError& error) {
      EXPECT_EQ(error.Number(), 1);
      EXPECT_EQ(Utf16ToUtf8(error.Description()), Utf16ToUtf8(message));
    }
  }
}

TEST(HtmlReaderTest, LongMarkupIsQuotedShort) {
  try {
    Document::FromHtml(u"<div class=\"a-very-long-class-name-indeed-and-longer\">");
    ADD_FAILURE() << "accepted";
  } catch (const AutomationError& error) {
    EXPECT_EQ(Utf16ToUtf8(error.Description()),
              "Unsupported tag <div class=\"a-very-long-class-name-indee... at offset 0.");
  }
}

}  // namespace
}  // namespace glyphwright
