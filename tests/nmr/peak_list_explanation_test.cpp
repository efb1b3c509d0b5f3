// Every message the peak-list reader fails with, each at the place where reading stopped.
#include <gtest/gtest.h>

#include <string>

#include "nmr/peak_list_explanation.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

struct FailureCase {
  std::u16string_view text;
  std::u16string_view message;
  int32_t offset;
  bool strict = false;
  std::u16string_view specFormat = u"";
};

class ExplainPeakListTest : public testing::TestWithParam<FailureCase> {};

TEST_P(ExplainPeakListTest, NamesTheFailureAndWhereReadingStopped) {
  const FailureCase& c = GetParam();
  SCOPED_TRACE(Utf16ToUtf8(c.text));
  const auto explanation = ExplainPeakList(c.text, c.specFormat, c.strict);
  ASSERT_TRUE(explanation.has_value());
  EXPECT_EQ(Utf16ToUtf8(explanation->Message), Utf16ToUtf8(c.message));
  EXPECT_EQ(explanation->Offset, c.offset);
}

INSTANTIATE_TEST_SUITE_P(
    EveryMessage, ExplainPeakListTest,
    testing::Values(
        // The text ends inside the parenthesis: in the multiplicity, in the coupling values, in
        // the trailing item.
        FailureCase{u"\u03B4 7.26 (1H, d", u"Unexpected end of line.", 13},
        FailureCase{u"\u03B4 7.26 (1H, d, J = 8.0", u"Unexpected end of line.", 22},
        FailureCase{u"\u03B4 7.26 (1H, d, H-3 (a)", u"Unexpected end of line.", 22},
        // The "d" after the count: reading stopped on it.
        FailureCase{u"\u03B4 7.26 (1H d).", u"Missing close parenthesis.", 11},
        FailureCase{u"\u03B4 7.26 (1H, s); 1.25 (3H, s).", u"Missing comma.", 14},
        FailureCase{u"\u03B4 7.26 ppm.", u"Missing comma.", 7},
        FailureCase{u"abc.", u"Missing comma.", 0},
        FailureCase{u"\u03B4 7.26 (1H, s)\t.", u"Missing comma.", 14},
        // The second peak is the one without a count: it starts at 16.
        FailureCase{u"\u03B4 7.26 (1H, s), 1.25 (s).", u"Missing number and atom.", 16, true},
        FailureCase{u"\u03B4 7.26, 1.25.", u"Missing number and atom.", 2, true},
        FailureCase{u"\u03B4 (1H, s).", u"Missing chemical shift.", 2, true},
        FailureCase{u".", u"Missing chemical shift.", 0, true},
        FailureCase{u"\u03B4 7.26 (1H, , J = 7 Hz).", u"Missing coupling pattern.", 2, true},
        // Full-width text keeps its offsets: the full-width semicolon is at 14.
        FailureCase{u"\u03B4 \uFF17.\uFF12\uFF16 (1H, s)\uFF1B 1.25.", u"Missing comma.", 14},
        // The order looks for the count before the multiplicity, so the "1H" behind the "d" is
        // left for the trailing item and the count cell stays empty.
        FailureCase{u"\u03B4 7.26 (d, 1H).", u"Missing number and atom.", 2, true, u"J, 1H, d"}));

TEST(ExplainPeakListTest, SaysNothingWhenTheListReads) {
  EXPECT_FALSE(
      ExplainPeakList(u"1H NMR \u03B4 7.26 (1H, d, J = 8.0 Hz), 1.25 (3H, s).", u"", true));
  EXPECT_FALSE(ExplainPeakList(u"\u03B4 7.26, 1.25.", u"", false));
  // No list at all is not a list that failed.
  EXPECT_FALSE(ExplainPeakList(u"", u"", true));
  EXPECT_FALSE(ExplainPeakList(u"\u03B4   ", u"", true));
}

TEST(ExplainPeakListTest, QuotesTheTextAroundTheOffset) {
  const std::u16string_view text = u"1H NMR (CDCl3) \u03B4 7.26 (1H, s); 1.25 (3H, s).";
  const auto explanation = ExplainPeakList(text, u"", false);
  ASSERT_TRUE(explanation.has_value());
  EXPECT_EQ(explanation->Offset, 29);
  EXPECT_EQ(Utf16ToUtf8(DescribePeakListFailure(text, *explanation)),
            "Missing comma. (at offset 29: \u00AB\u20267.26 (1H, s); 1.25 (3H, \u2026\u00BB)");
}

TEST(TextAroundTest, CutsAtBothEndsAndKeepsOneLine) {
  EXPECT_EQ(Utf16ToUtf8(TextAround(u"short", 2)), "short");
  EXPECT_EQ(Utf16ToUtf8(TextAround(u"a\tb\rc", 0)), "a b c");
  EXPECT_EQ(Utf16ToUtf8(TextAround(u"0123456789abcdefghijklmnopqrstuvwxyz", 18)),
            "\u20266789abcdefghijklmnopqrst\u2026");
  // An offset past the end quotes the end.
  EXPECT_EQ(Utf16ToUtf8(TextAround(u"abc", 99)), "abc");
  // A surrogate pair at the cut is kept whole or left out, never halved.
  const std::u16string text = u"0123456789a\U0001D6FFbcdefghijklmnopqrstuvwxyz";
  const std::string quote = Utf16ToUtf8(TextAround(text, 24));
  EXPECT_EQ(quote.find("\uFFFD"), std::string::npos);  // no lone surrogate
  EXPECT_EQ(quote.find('\xED'), std::string::npos);
  EXPECT_EQ(quote.substr(0, 3), "\u2026");
}

}  // namespace
}  // namespace glyphwright
