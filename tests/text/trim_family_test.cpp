// The trim family: which characters go, from which end, and that the views stay inside the text.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "text/lib.h"

namespace glyphwright {
namespace {

constexpr bool IsStar(char16_t code) {
  return code == u'*';
}

struct TrimCase {
  std::u16string text;
  std::u16string both;
  std::u16string start;
  std::u16string end;
};

TEST(TrimFamily, SpaceCharactersByDefault) {
  const TrimCase cases[] = {
      {u"", u"", u"", u""},
      {u" \t ", u"", u"", u""},
      {u" x ", u"x", u"x ", u" x"},
      {u"\u3000cis\r\n", u"cis", u"cis\r\n", u"\u3000cis"},
      {u"a b", u"a b", u"a b", u"a b"},
      {u"\u00A0x\u00A0", u"\u00A0x\u00A0", u"\u00A0x\u00A0", u"\u00A0x\u00A0"},
      {std::u16string(u"\0x\0", 3), u"x", std::u16string(u"x\0", 2), std::u16string(u"\0x", 2)},
  };
  for (const TrimCase& c : cases) {
    EXPECT_EQ(TrimView(c.text), c.both);
    EXPECT_EQ(TrimStartView(c.text), c.start);
    EXPECT_EQ(TrimEndView(c.text), c.end);
    EXPECT_EQ(TrimText(c.text), c.both);
  }
}

TEST(TrimFamily, TheCallersOwnClass) {
  const TrimCase cases[] = {
      {u"**a*b**", u"a*b", u"a*b**", u"**a*b"},
      {u" *a* ", u" *a* ", u" *a* ", u" *a* "},
      {u"***", u"", u"", u""},
  };
  for (const TrimCase& c : cases) {
    EXPECT_EQ(TrimView(c.text, IsStar), c.both);
    EXPECT_EQ(TrimStartView(c.text, IsStar), c.start);
    EXPECT_EQ(TrimEndView(c.text, IsStar), c.end);
  }
}

TEST(TrimFamily, ViewsPointIntoTheText) {
  const std::u16string text = u"  H2O  ";
  const std::u16string_view trimmed = TrimView(text);
  EXPECT_EQ(trimmed.data(), text.data() + 2);
  EXPECT_EQ(TrimStartView(text).data(), text.data() + 2);
  EXPECT_EQ(TrimEndView(text).data(), text.data());
  // An all-blank text trims to the empty view at its end.
  const std::u16string blank = u"   ";
  EXPECT_EQ(TrimStartView(blank).data(), blank.data() + 3);
}

}  // namespace
}  // namespace glyphwright
