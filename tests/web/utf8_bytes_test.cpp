#include "web/utf8_bytes.h"

#include <gtest/gtest.h>

#include <string>

#include "text/utf8.h"

namespace glyphwright::web {
namespace {

struct Utf8Case {
  std::u16string text;
  bool wellFormed;
  std::string bytes;
};

class Utf8BytesTest : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8BytesTest, AreTheCodeUnitsAsUtf8UnlessASurrogateIsLone) {
  const Utf8Case& c = GetParam();
  std::string out = "left over from before";
  EXPECT_EQ(Utf8Bytes(c.text, out), c.wellFormed);
  EXPECT_EQ(out, c.bytes);
}

TEST_P(Utf8BytesTest, WidenBackToTheSameCodeUnits) {
  const Utf8Case& c = GetParam();
  if (c.wellFormed) {
    EXPECT_EQ(Utf8ToUtf16(c.bytes), c.text);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8BytesTest,
    testing::Values(
        Utf8Case{u"", true, ""}, Utf8Case{u"=12\n=3\nSubscript\n", true, "=12\n=3\nSubscript\n"},
        Utf8Case{std::u16string(u"a\0b", 3), true, std::string("a\0b", 3)},
        Utf8Case{u"\x7F", true, "\x7F"},
        // Each length of sequence, at the edges of its range, and after ASCII.
        Utf8Case{u"\x80", true, "\xC2\x80"}, Utf8Case{u"\u07FF", true, "\xDF\xBF"},
        Utf8Case{u"\u0800", true, "\xE0\xA0\x80"}, Utf8Case{u"H\u2082O", true, "H\xE2\x82\x82O"},
        Utf8Case{u"\uD7FF\uE000", true, "\xED\x9F\xBF\xEE\x80\x80"},
        Utf8Case{u"\uFEFFx\uFFFD", true, "\xEF\xBB\xBFx\xEF\xBF\xBD"},
        Utf8Case{u"x\u0141", true, "x\xC5\x81"},
        Utf8Case{u"\U00010000\U0010FFFF", true, "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"},
        Utf8Case{u"a\U0001F600b", true,
                 "a\xF0\x9F\x98\x80"
                 "b"},
        // ASCII after the first unit beyond it, blocks long and not, then one beyond it again.
        Utf8Case{u"\u03B4" + std::u16string(40, u'a') + u"\u2082b", true,
                 "\xCE\xB4" + std::string(40, 'a') +
                     "\xE2\x82\x82"
                     "b"},
        Utf8Case{u"\u03B4" + std::u16string(16, u'a') + u"\xD800", false, ""},
        // A lone surrogate, high or low, first, last or between others, or a pair reversed.
        Utf8Case{u"x\xD800", false, ""}, Utf8Case{u"\xDC00x", false, ""},
        Utf8Case{u"\u00E9\xD800\u00E9", false, ""}, Utf8Case{u"\xDE00\xD83D", false, ""},
        Utf8Case{u"\xD83D\xD83D\xDE00", false, ""}));

struct MostlyAsciiCase {
  std::u16string text;
  bool made;
};

class MostlyAsciiTest : public testing::TestWithParam<MostlyAsciiCase> {};

TEST_P(MostlyAsciiTest, GiveUpOnATextMostlyBeyondAscii) {
  std::string out = "left over";
  const bool made = Utf8Bytes(GetParam().text, out, true);
  EXPECT_EQ(made, GetParam().made);
  std::string whole;
  ASSERT_TRUE(Utf8Bytes(GetParam().text, whole));
  EXPECT_EQ(out, made ? whole : "");
}

std::u16string Repeated(std::u16string_view piece, int times) {
  std::u16string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MostlyAsciiTest,
    testing::Values(
        // Short texts are all made: the decoder's call costs more than the bytes.
        MostlyAsciiCase{u"H\u2082SO\u2084", true}, MostlyAsciiCase{Repeated(u"\u03B4", 30), true},
        MostlyAsciiCase{Repeated(u"<p>H<sub>2</sub>O \u03B4</p>\n", 1000), true},
        MostlyAsciiCase{Repeated(u"\u03B4 abc", 1000), true},
        MostlyAsciiCase{Repeated(u"H\u2082SO\u2084", 1000), false},
        MostlyAsciiCase{Repeated(u"\u03B4", 1000), false},
        MostlyAsciiCase{Repeated(u"abcdefghijklmnopqrstuvwxyz", 100) + Repeated(u"\u2082", 1000),
                        false}));

}  // namespace
}  // namespace glyphwright::web
