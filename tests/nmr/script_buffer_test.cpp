// The NMR queries' own script writer must write exactly the lines of the shared ScriptWriter,
// and the half-width view must fold exactly as ToHalfWidth does.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "nmr/half_width_text.h"
#include "nmr/script_buffer.h"
#include "script/builders.h"
#include "text/lib.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

class NumberLineTest : public testing::TestWithParam<int64_t> {};

TEST_P(NumberLineTest, IsTheSharedWritersLine) {
  ScriptBuffer buffer(0);
  buffer.Value(GetParam());
  ScriptWriter writer;
  writer.Value(GetParam());
  EXPECT_EQ(Utf16ToUtf8(std::move(buffer).Take()), Utf16ToUtf8(writer.Script()));
}

// Every length of number, each side of the powers of ten, both signs and both ends.
INSTANTIATE_TEST_SUITE_P(
    EdgeValues, NumberLineTest,
    testing::Values(int64_t{0}, int64_t{1}, int64_t{-1}, int64_t{9}, int64_t{10}, int64_t{-10},
                    int64_t{99}, int64_t{100}, int64_t{101}, int64_t{-99}, int64_t{-100},
                    int64_t{999}, int64_t{1000}, int64_t{12345}, int64_t{65535}, int64_t{65536},
                    int64_t{2147483647}, int64_t{2147483648}, int64_t{-2147483648},
                    int64_t{999999999999}, int64_t{1000000000000},
                    std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::min(),
                    std::numeric_limits<int64_t>::min() + 1));

TEST(ScriptBufferTest, WritesTheSharedWritersLines) {
  ScriptBuffer buffer(4);
  buffer.TypeText(u"7.26");
  buffer.Value(u"");
  buffer.Append(u"TypeBackspace\n");
  buffer.Append(std::u16string_view(u"=J\n=Italic\nTypeStyledText\n"));
  buffer.TypeText(u"\u03B4\t");
  ScriptWriter writer;
  writer.Command1(u"TypeText", u"7.26")
      .Value(u"")
      .Command(u"TypeBackspace")
      .Command2(u"TypeStyledText", u"J", u"Italic")
      .Command1(u"TypeText", u"\u03B4\t");
  EXPECT_EQ(buffer.Size(), writer.Script().size());
  EXPECT_EQ(Utf16ToUtf8(std::move(buffer).Take()), Utf16ToUtf8(writer.Script()));
}

// From no room at all, or a little, to thousands of times the first size: nothing written is
// lost or doubled as the buffer grows, whatever the size of a write.
TEST(ScriptBufferTest, GrowsWithoutLosingWhatWasWritten) {
  for (const std::size_t expected : {std::size_t{0}, std::size_t{1}, std::size_t{300}}) {
    ScriptBuffer buffer(expected);
    std::u16string wanted;
    for (int k = 0; k < 5000; ++k) {
      const std::u16string value(static_cast<std::size_t>(k % 700), u'a' + k % 26);
      buffer.TypeText(value);
      buffer.Value(k);
      wanted += u"=" + value + u"\nTypeText\n=" + Utf8ToUtf16(std::to_string(k)).value() + u"\n";
    }
    EXPECT_EQ(buffer.Size(), wanted.size());
    EXPECT_TRUE(std::move(buffer).Take() == wanted) << "first size " << expected;
  }
}

TEST(ScriptBufferTest, NothingWrittenIsTheEmptyScript) {
  EXPECT_TRUE(ScriptBuffer(100).Take().empty());
}

TEST(HalfWidthTextTest, ATextWithNothingToFoldIsReadWhereItIs) {
  const std::u16string text = u"1H NMR (CDCl3) \u03B4 7.26 (1H, s).";
  const HalfWidthText folded(text);
  EXPECT_EQ(folded.View().data(), text.data());
  EXPECT_EQ(folded.View().size(), text.size());
}

// The first folded code, the last unfolded one below it, full-width text, small forms and the
// ideographic space, anywhere in the text.
TEST(HalfWidthTextTest, FoldsAsToHalfWidthDoes) {
  for (const std::u16string text :
       {u"\uFF17\uFF0E\uFF12\uFF16\u3000\uFF08\uFF11\uFF28\uFF09", u"7.26\u2019", u"\u2018x\u2019",
        u"\u2019", u"\u2018", u"a\uFE50b\uFF5E", u"\u3000", u""}) {
    const HalfWidthText folded(text);
    EXPECT_TRUE(folded.View() == ToHalfWidth(text)) << Utf16ToUtf8(text);
  }
}

}  // namespace
}  // namespace glyphwright
