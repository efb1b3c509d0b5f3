// Generated texts: the query never fails, and every range it styles lies inside the text.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "automation/number_text.h"
#include "journal/journal_query.h"
#include "text/lib.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

// Characters that steer the scan, their full-width forms, and a few that mean nothing to it.
using namespace std::string_view_literals;
constexpr std::u16string_view kAlphabet =
    u"AJTSaeh0123456789199920.,,,  ()()-~;:\t\r\n\uFF21\uFF10\uFF0C\uFF0E\uFF08\uFF09\u3000"
    u"\u03B4\u00E9\U0001F600\xD83D\0"sv;

std::u16string RandomText(std::mt19937& random, std::size_t maxLength) {
  std::uniform_int_distribution<std::size_t> length(0, maxLength);
  std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
  std::u16string text(length(random), u' ');
  for (char16_t& c : text) c = kAlphabet[pick(random)];
  return text;
}

// Checks that the script is a sequence of (start, length, Italic|Bold) inside a text of `size`.
void ExpectRangesInside(const std::u16string& script, std::size_t size) {
  std::vector<std::u16string> lines = SplitText(script, u"\n");
  ASSERT_EQ(lines.back(), u"");
  lines.pop_back();
  ASSERT_EQ(lines.size() % 3, 0u);
  for (std::size_t k = 0; k < lines.size(); k += 3) {
    ASSERT_EQ(lines[k][0], u'=');
    ASSERT_EQ(lines[k + 1][0], u'=');
    const long start = std::stol(Utf16ToUtf8(lines[k].substr(1)));
    const long length = std::stol(Utf16ToUtf8(lines[k + 1].substr(1)));
    EXPECT_TRUE(lines[k + 2] == u"Italic" || lines[k + 2] == u"Bold");
    EXPECT_GE(start, 0);
    EXPECT_GT(length, 0);
    EXPECT_LE(static_cast<std::size_t>(start + length), size);
  }
}

TEST(JournalQueryPropertyTest, RandomTextStaysInside) {
  std::mt19937 random(20240611);
  const JournalQuery query;
  for (int round = 0; round < 300; ++round) {
    const std::u16string text = RandomText(random, round % 10 == 0 ? 10000 : 200);
    SCOPED_TRACE(Utf16ToUtf8(text));
    ExpectRangesInside(query.GetCommands(text), text.size());
  }
}

// A reference behind prose that holds no capital letter is found at its own offset.
TEST(JournalQueryPropertyTest, AReferenceIsFoundWhereverItStands) {
  std::mt19937 random(7);
  const std::u16string reference = u"Tetrahedron Lett., 40, 1234 (1999)";
  std::uniform_int_distribution<int> letter(0, 27);
  const JournalQuery query;
  for (int round = 0; round < 200; ++round) {
    std::u16string prose;
    const int length = letter(random) * 5;
    for (int k = 0; k < length; ++k) {
      const int l = letter(random);
      prose.push_back(l < 26 ? static_cast<char16_t>(u'a' + l) : l == 26 ? u' ' : u',');
    }
    prose.push_back(u' ');
    const std::u16string start = IntegerToText(static_cast<int64_t>(prose.size()));
    const std::u16string volume = IntegerToText(static_cast<int64_t>(prose.size() + 19));
    EXPECT_EQ(query.GetCommands(prose + reference + u" and more."),
              u"=" + start + u"\n=17\nItalic\n=" + volume + u"\n=2\nBold\n")
        << Utf16ToUtf8(prose);
  }
}

}  // namespace
}  // namespace glyphwright
