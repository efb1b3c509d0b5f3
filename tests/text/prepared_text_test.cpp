// The code array every scanning query reads: folded to half width, one blank longer.
#include "text/prepared_text.h"

#include <gtest/gtest.h>

#include <string>

namespace glyphwright {
namespace {

TEST(PrepareChars, FoldsEveryCodeAndAppendsOneBlank) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"", u" "},
      {u"H2O", u"H2O "},
      {u"\uFF28\uFF12\uFF2F", u"H2O "},       // full-width H2O
      {u"C\u2019H", u"C'H "},                 // the first folded code
      {u"\u00E9\u2018x", u"\u00E9\u2018x "},  // codes below it and those it keeps
      {std::u16string(u"a\0b", 3), std::u16string(u"a\0b ", 4)},
  };
  for (const auto& [text, prepared] : cases) {
    CodeArray chars = u"stale contents that must go";
    PrepareChars(text, chars);
    EXPECT_EQ(chars, prepared);
    EXPECT_EQ(chars.size(), text.size() + 1);
  }
}

}  // namespace
}  // namespace glyphwright
