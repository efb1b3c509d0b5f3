#include "web/ascii_bytes.h"

#include <gtest/gtest.h>

#include <string>

namespace glyphwright::web {
namespace {

struct AsciiCase {
  std::u16string text;
  bool ascii;
  std::string bytes;
};

class AsciiBytesTest : public testing::TestWithParam<AsciiCase> {};

TEST_P(AsciiBytesTest, AreTheCodeUnitsWhenEveryOneIsAscii) {
  const AsciiCase& c = GetParam();
  std::string out = "left over from before";
  EXPECT_EQ(AsciiBytes(c.text, out), c.ascii);
  EXPECT_EQ(out, c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AsciiBytesTest,
    testing::Values(AsciiCase{u"", true, ""},
                    AsciiCase{u"=12\n=3\nSubscript\n", true, "=12\n=3\nSubscript\n"},
                    AsciiCase{std::u16string(u"a\0b", 3), true, std::string("a\0b", 3)},
                    AsciiCase{u"\x7F", true, "\x7F"},
                    // The first unit past ASCII, wherever it stands, and the widest.
                    AsciiCase{u"\x80", false, ""}, AsciiCase{u"H\u2082O", false, ""},
                    AsciiCase{u"abc\u00E9", false, ""}, AsciiCase{u"\uFFFFabc", false, ""},
                    // A unit whose low byte alone would pass for ASCII.
                    AsciiCase{u"x\u0141", false, ""}, AsciiCase{u"x\xD800", false, ""}));

}  // namespace
}  // namespace glyphwright::web
