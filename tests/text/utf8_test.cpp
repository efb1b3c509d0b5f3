#include <gtest/gtest.h>

#include <vector>

#include "text/utf8.h"

namespace glyphwright {
namespace {

TEST(Utf8Test, RoundTripsEveryPlane) {
  const std::u16string text = u"H\u2082SO\u2084 \u03B4 \u3000 \U0001F600";
  const std::string bytes = Utf16ToUtf8(text);
  EXPECT_EQ(bytes, "H\u2082SO\u2084 \u03B4 \u3000 \U0001F600");
  EXPECT_EQ(Utf8ToUtf16(bytes), text);
}

TEST(Utf8Test, RejectsIllFormedInputWithItsOffset) {
  const std::pair<std::string, size_t> cases[] = {
      {"ab\x80", 2},            // stray continuation byte
      {"\xC0\xAF", 0},          // overlong slash
      {"x\xED\xA0\x80", 1},     // encoded surrogate
      {"\xF4\x90\x80\x80", 0},  // above U+10FFFF
      {"ok\xE2\x82", 2},        // cut short
      {"\xFF", 0},
  };
  for (const auto& [bytes, offset] : cases) {
    EXPECT_EQ(FindInvalidUtf8(bytes), offset);
    EXPECT_FALSE(Utf8ToUtf16(bytes).has_value());
  }
  EXPECT_FALSE(FindInvalidUtf8("plain \xCE\xB4").has_value());
}

// Decoding appends after what the text holds, and leaves it as it was when the bytes are bad.
TEST(Utf8Test, DecodingAppendsOrLeavesTheTextAsItWas) {
  std::u16string text = u"\u03B4 ";
  EXPECT_TRUE(AppendUtf8AsUtf16(text, "H\xE2\x82\x82O \xF0\x9F\x98\x80!"));
  EXPECT_EQ(text, u"\u03B4 H\u2082O \U0001F600!");
  EXPECT_TRUE(AppendUtf8AsUtf16(text, ""));
  EXPECT_FALSE(AppendUtf8AsUtf16(text, "abc\xE2\x82"));
  EXPECT_EQ(text, u"\u03B4 H\u2082O \U0001F600!");
}

TEST(Utf8Test, LoneSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', 0xD800, u'b'}), "a\uFFFDb");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDC00}), "\uFFFD");
}

// Runs of ASCII are copied apart from the rest: each case puts the change from one to the other
// somewhere else.
TEST(Utf8Test, AppendsAfterWhatIsThereWhereverAsciiRunsStartAndEnd) {
  const std::pair<std::u16string, std::string> cases[] = {
      {u"", ""},
      {u"H2SO4", "H2SO4"},
      {u"\u03B4", "\u03B4"},
      {u"\u03B4 7.26", "\u03B4 7.26"},
      {u"7.26 \u03B4", "7.26 \u03B4"},
      {u"a\u00E9b\u2082c\U0001F600d", "a\u00E9b\u2082c\U0001F600d"},
      {u"\u007F\u0080", "\x7F\xC2\x80"},
      {std::u16string{u'x', 0xDBFF}, "x\uFFFD"},
  };
  for (const auto& [text, bytes] : cases) {
    std::string out = "=1\n";
    AppendUtf8(out, text);
    EXPECT_EQ(out, "=1\n" + bytes);
    EXPECT_EQ(Utf16ToUtf8(text), bytes);
  }
}

// ASCII is copied eight units at a time: a character that is not ASCII must be found wherever it
// falls in or after a block of eight, and a pair must not be cut by a block's end.
TEST(Utf8Test, EncodesWhateverFallsAtEveryPlaceInTheAsciiBlocks) {
  const std::pair<std::u16string, std::string> odd[] = {
      {u"\u00E9", "\xC3\xA9"},
      {u"\u2082", "\xE2\x82\x82"},
      {u"\U0001F600", "\xF0\x9F\x98\x80"},
      {std::u16string{char16_t{0xDC00}}, "\xEF\xBF\xBD"},
      {std::u16string{char16_t{0xD83D}}, "\xEF\xBF\xBD"},
  };
  for (const auto& [unit, bytes] : odd) {
    for (std::size_t before = 0; before <= 20; ++before) {
      const std::u16string text = std::u16string(before, u'a') + unit + u"bcdefghijk";
      const std::string expected = std::string(before, 'a') + bytes + "bcdefghijk";
      std::string out = "=";
      AppendUtf8(out, text);
      EXPECT_EQ(out, "=" + expected) << before;
      std::vector<char> room(text.size() * kMaxUtf8PerUnit);
      const std::size_t written = EncodeUtf8(text, room.data());
      EXPECT_EQ(std::string(room.data(), written), expected) << before;
    }
  }
}

// The room a caller makes is the most a text can take, and that most is reached exactly.
TEST(Utf8Test, EncodingFillsNoMoreThanTheRoomForEachUnit) {
  const std::u16string texts[] = {std::u16string(37, u'\u3000'),
                                  std::u16string(37, char16_t{0xDBFF}),
                                  std::u16string(37, char16_t{0xDC00})};
  for (const std::u16string& text : texts) {
    std::vector<char> room(text.size() * kMaxUtf8PerUnit);
    EXPECT_EQ(EncodeUtf8(text, room.data()), room.size());
    EXPECT_EQ(std::string(room.begin(), room.end()), Utf16ToUtf8(text));
  }
}

TEST(Utf8Test, Latin1FallbackReadsStrayBytesAsCharacters) {
  EXPECT_EQ(Utf8OrLatin1ToUtf16("caf\xE9 \xCE\xB4"), u"caf\u00E9 \u03B4");
}

}  // namespace
}  // namespace glyphwright
