#include <gtest/gtest.h>

#include "text/case_fold.h"
#include "text/lib.h"

namespace glyphwright {
namespace {

TEST(CharClassTest, ClassesAreAsciiOnly) {
  struct Case {
    char16_t code;
    bool digit, alpha, space;
  };
  const Case cases[] = {
      {u'0', true, false, false},       {u'9', true, false, false},
      {u'\uFF11', false, false, false},  // full-width digit one: not until folded
      {u'A', false, true, false},       {u'z', false, true, false},
      {u'@', false, false, false},      {u'[', false, false, false},
      {u'\t', false, false, true},      {u'\r', false, false, true},
      {u'\n', false, false, true},      {u'\0', false, false, true},
      {u'\u3000', false, false, true},  {u'\u00A0', false, false, false},
      {u'!', false, false, false},      {u'\u00C9', false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.code));
    EXPECT_EQ(IsDigitChar(c.code), c.digit);
    EXPECT_EQ(IsAlphaChar(c.code), c.alpha);
    EXPECT_EQ(IsAlnumChar(c.code), c.digit || c.alpha);
    EXPECT_EQ(IsSpaceChar(c.code), c.space);
  }
  EXPECT_TRUE(IsDigitChar(ToHalfWidthChar(u'\uFF11')));
}

TEST(ToHalfWidthTest, FoldsEveryRuleInOrder) {
  const std::pair<char16_t, char16_t> cases[] = {
      {u'\u2019', u'\''},
      {u'\u3000', u' '},
      {u'\uFE50', u','},
      {u'\uFE51', u'\u3001'},  // ideographic comma, not an ASCII one
      {u'\uFE52', u'.'},
      {u'\uFE54', u';'},
      {u'\uFE56', u'?'},
      {u'\uFE57', u'!'},
      {u'\uFE58', u'?'},
      {u'\uFE59', u'('},
      {u'\uFE5E', u']'},
      {u'\uFE5F', u'#'},
      {u'\uFE61', u'*'},
      {u'\uFE63', u'-'},
      {u'\uFE66', u'='},
      {u'\uFE68', u'\\'},
      {u'\uFE69', u'$'},
      {u'\uFE6B', u'@'},
      {u'\uFE53', u'\uFE53'},
      {u'\uFE67', u'\uFE67'},
      {u'\uFE6C', u'\uFE6C'},
      {u'\uFF00', u' '},
      {u'\uFF01', u'!'},
      {u'\uFF28', u'H'},
      {u'\uFF5E', u'~'},
      {u'\uFF5F', u'\u007F'},
      {u'\uFF60', u'\uFF60'},
      {u'\uFF61', u'?'},
      {u'\uFF71', u'?'},
      {u'\uFF9F', u'?'},
      {u'\uFFA0', u'\uFFA0'},
      {u'\uFFE0', u'\u00A2'},
      {u'\uFFE1', u'\u00A3'},
      {u'\uFFE2', u'\u00AC'},
      {u'\uFFE3', u'\u00AF'},
      {u'\uFFE4', u'\u00A6'},
      {u'\uFFE5', u'\u00A5'},
      {u'\uFFE6', u'\uFFE6'},
      {u'\uFFE7', u'\uFFE7'},
      {u'\uFFE8', u'|'},
      {u'\uFFE9', u'\u2190'},
      {u'\uFFEC', u'\u2193'},
      {u'\uFFED', u'\uFFED'},
      {u'\uFFEE', u'\uFFEE'},
      {char16_t{0xD800}, char16_t{0xD800}},
      {u'a', u'a'},
  };
  for (const auto& [code, folded] : cases) {
    EXPECT_EQ(ToHalfWidthChar(code), folded) << std::hex << static_cast<int>(code);
  }
}

// Loops skip the fold below kFirstFoldedCode: a table entry below it would be lost to them.
TEST(ToHalfWidthTest, NothingBelowTheFirstFoldedCodeChanges) {
  for (char16_t code = 0; code < kFirstFoldedCode; ++code) {
    ASSERT_EQ(ToHalfWidthChar(code), code) << std::hex << static_cast<int>(code);
  }
  EXPECT_NE(ToHalfWidthChar(kFirstFoldedCode), kFirstFoldedCode);
}

TEST(ToHalfWidthTest, KeepsTheLengthSoOffsetsAgree) {
  EXPECT_EQ(ToHalfWidth(u"\uFF28\uFF12\uFF2F"), u"H2O");
  EXPECT_EQ(ToHalfWidth(u"x\uFF5E\uFF71\U0001F600"), u"x~?\U0001F600");
  EXPECT_EQ(ToHalfWidth(u""), u"");
}

TEST(CodeArrayTest, StringToCharsEndsWithZero) {
  CodeArray chars;
  StringToChars(u"ab", chars);
  ASSERT_EQ(chars.size(), 2u);
  EXPECT_EQ(chars[0], 0x61);
  EXPECT_EQ(chars[1], 0x62);
  EXPECT_EQ(chars[2], 0);  // the terminator a scan may read
  StringToChars(u"", chars);
  EXPECT_EQ(chars[0], 0);
}

TEST(CodeArrayTest, CharsToStringCutsPieces) {
  const CodeArray chars = u"H2SO4 ";
  EXPECT_EQ(CharsToString(chars, 2, 2), u"SO");
  EXPECT_EQ(CharsToString(chars, 0, 6), u"H2SO4 ");
  EXPECT_EQ(CharsToString(chars, 99, 0), u"");  // Start is not looked at
  EXPECT_EQ(CharsToString(chars, -5, -1), u"");
}

TEST(SplitTextTest, KeepsEveryPieceAndIsNeverEmpty) {
  struct Case {
    std::u16string text, separator;
    std::vector<std::u16string> parts;
  };
  const Case cases[] = {
      {u"", u"\n", {u""}},
      {u"a\n", u"\n", {u"a", u""}},
      {u"\n", u"\n", {u"", u""}},
      {u"a|b||c", u"|", {u"a", u"b", u"", u"c"}},
      {u"aXbxc", u"X", {u"a", u"bxc"}},  // the separator matches exactly
      {u"1H, d, J", u",", {u"1H", u" d", u" J"}},
      {u"a--b", u"--", {u"a", u"b"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitText(c.text, c.separator), c.parts);
}

TEST(TrimTextTest, RemovesOnlySpaceCharacters) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"", u""},
      {u"   ", u""},
      {u"\u3000", u""},
      {u" x ", u"x"},
      {u"\t\r\n cis \u3000", u"cis"},
      {u"\u00A0x\u00A0", u"\u00A0x\u00A0"},  // no-break space is no space
      {u" a b ", u"a b"},
  };
  for (const auto& [text, trimmed] : cases) EXPECT_EQ(TrimText(text), trimmed);
}

TEST(ReplaceTextTest, ReplacesIgnoringCaseLeftToRight) {
  struct Case {
    std::u16string text, find, replacement, result;
  };
  const Case cases[] = {
      {u"=1\nSubscript\n=2\nsubscript\n", u"Subscript\n", u"NormalScript\n",
       u"=1\nNormalScript\n=2\nNormalScript\n"},
      {u"aaa", u"aa", u"b", u"ba"},  // no overlapping matches
      {u"abc", u"", u"x", u"abc"},
      {u"\u00C9t\u00E9", u"\u00E9T\u00C9", u"x", u"x"},  // Latin-1 letters fold too
      {u"\u0394 and \u03B4", u"\u03B4", u"d", u"d and d"},
      {u"Stra\u00DFe", u"STRASSE", u"x", u"Stra\u00DFe"},  // no length-changing folds
  };
  for (const Case& c : cases) EXPECT_EQ(ReplaceText(c.text, c.find, c.replacement), c.result);
}

TEST(CaseFoldTest, FoldsSimpleCasePairs) {
  const std::pair<char16_t, char16_t> cases[] = {
      {u'A', u'a'},           {u'a', u'a'},           {u'\u00C0', u'\u00E0'},
      {u'\u00D7', u'\u00D7'}, {u'\u00B5', u'\u03BC'}, {u'\u0100', u'\u0101'},
      {u'\u0139', u'\u013A'}, {u'\u0178', u'\u00FF'}, {u'\u017F', u's'},
      {u'\u0394', u'\u03B4'}, {u'\u03C2', u'\u03C3'}, {u'\u0416', u'\u0436'},
      {u'\u0401', u'\u0451'}, {u'\uFF21', u'\uFF41'}, {u'1', u'1'},
  };
  for (const auto& [code, folded] : cases) {
    EXPECT_EQ(FoldCase(code), folded) << std::hex << static_cast<int>(code);
  }
}

TEST(CutAtNulTest, CutsAtTheFirstNul) {
  EXPECT_EQ(CutAtNul(std::u16string(u"C:\\Users\0junk", 13)), u"C:\\Users");
  EXPECT_EQ(CutAtNul(u"plain"), u"plain");
  EXPECT_EQ(CutAtNul(std::u16string(1, u'\0')), u"");
}

}  // namespace
}  // namespace glyphwright
