#include "web/clipboard_html.h"

#include <gtest/gtest.h>

#include <string>

namespace glyphwright::web {
namespace {

const std::string kOpening =
    "<html><head><meta charset=\"utf-8\"></head><body>\n<!--StartFragment-->";
const std::string kClosing = "<!--EndFragment-->\n</body></html>";

struct StyleCase {
  std::string html;
  std::string body;  // between the opening and the closing
};

class ClipboardHtmlTest : public testing::TestWithParam<StyleCase> {};

TEST_P(ClipboardHtmlTest, StylesEachTagInAWholeDocument) {
  EXPECT_EQ(ClipboardHtml(GetParam().html), kOpening + GetParam().body + kClosing);
}

// The code units give the same document as the bytes.
TEST_P(ClipboardHtmlTest, IsTheSameMadeFromCodeUnits) {
  const std::string& html = GetParam().html;
  const std::string wanted = kOpening + GetParam().body + kClosing;
  EXPECT_EQ(ClipboardHtml(std::u16string(html.begin(), html.end())),
            std::u16string(wanted.begin(), wanted.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Tags, ClipboardHtmlTest,
    testing::Values(
        StyleCase{"", ""},
        StyleCase{"<p>H<sub>2</sub>O</p>\n",
                  "<p>H<sub style=\"vertical-align:sub\">2</sub>O</p>\n"},
        StyleCase{"<sup>2-</sup>", "<sup style=\"vertical-align:super\">2-</sup>"},
        StyleCase{"<i>J</i>", "<i style=\"font-style:italic\">J</i>"},
        StyleCase{"<b>1</b>", "<b style=\"font-weight:bold\">1</b>"},
        StyleCase{"<table class=\"nmr-spec-table\">\n<tr><td>7.26</td></tr>\n</table>\n",
                  "<table class=\"nmr-spec-table\" style=\"border-collapse:collapse\">\n"
                  "<tr><td>7.26</td></tr>\n</table>\n"},
        // Every tag, the first and the last of the HTML, each time it comes.
        StyleCase{"<sub>1</sub><sub>2</sub>x<i>a</i>",
                  "<sub style=\"vertical-align:sub\">1</sub><sub style=\"vertical-align:sub\">2"
                  "</sub>x<i style=\"font-style:italic\">a</i>"},
        // Tags that only begin like a styled one, or have a class, are left as they are.
        StyleCase{"<p class=\"x\"><span class=\"chemical-italic\"><i>R</i></span></p>",
                  "<p class=\"x\"><span class=\"chemical-italic\"><i style=\"font-style:italic\">"
                  "R</i></span></p>"},
        StyleCase{"<table><body><br><su", "<table><body><br><su"},
        StyleCase{"<ins><bdi><th><subscript><sub", "<ins><bdi><th><subscript><sub"},
        StyleCase{"&lt;sub&gt; <", "&lt;sub&gt; <"}));

TEST(ClipboardHtml, CopiesEveryOtherCodeUnitAsItIs) {
  const std::u16string html = u"<p>\xD800<sub>\xDC00</sub>\uFEFF</p>";
  EXPECT_EQ(ClipboardHtml(html), std::u16string(kOpening.begin(), kOpening.end()) +
                                     u"<p>\xD800<sub style=\"vertical-align:sub\">\xDC00</sub>"
                                     u"\uFEFF</p>" +
                                     std::u16string(kClosing.begin(), kClosing.end()));
}

}  // namespace
}  // namespace glyphwright::web
