#include <gtest/gtest.h>

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

TEST(Utf8Test, LoneSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', 0xD800, u'b'}), "a\uFFFDb");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDC00}), "\uFFFD");
}

TEST(Utf8Test, Latin1FallbackReadsStrayBytesAsCharacters) {
  EXPECT_EQ(Utf8OrLatin1ToUtf16("caf\xE9 \xCE\xB4"), u"caf\u00E9 \u03B4");
}

}  // namespace
}  // namespace glyphwright
