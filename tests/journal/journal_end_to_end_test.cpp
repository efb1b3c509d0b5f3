// The journal query's scripts run on the reference document and rendered.
#include <gtest/gtest.h>

#include <memory>

#include "document/document.h"
#include "document/renderers.h"
#include "journal/journal_query.h"
#include "script/command_runner.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

std::string Formatted(std::u16string_view text) {
  const auto document = std::make_shared<Document>(text);
  CommandRunner runner;
  runner.SetExecuter(document);
  runner.Run(JournalQuery().GetCommands(document->BeginQuery()));
  return Utf16ToUtf8(RenderHtml(*document));
}

TEST(JournalEndToEndTest, StylesEachLayout) {
  EXPECT_EQ(Formatted(u"J. Am. Chem. Soc. 1999, 121, 1234"),
            "<p><i>J. Am. Chem. Soc.</i> <b>1999</b>, <i>121</i>, 1234</p>\n");
  EXPECT_EQ(Formatted(u"Tetrahedron Lett., 1999, 40, 1234"),
            "<p><i>Tetrahedron Lett.</i>, 1999, <b>40</b>, 1234</p>\n");
  EXPECT_EQ(Formatted(u"Tetrahedron Lett., 40, 1234 (1999)"),
            "<p><i>Tetrahedron Lett.</i>, <b>40</b>, 1234 (1999)</p>\n");
}

TEST(JournalEndToEndTest, OnlyTheFirstReferenceIsStyled) {
  EXPECT_EQ(Formatted(u"see J. Org. Chem. 2001, 66, 100; and Org. Lett. 2000, 2, 5."),
            "<p>see <i>J. Org. Chem.</i> <b>2001</b>, <i>66</i>, 100; and Org. Lett. 2000, 2, "
            "5.</p>\n");
}

TEST(JournalEndToEndTest, TextWithoutAReferenceIsLeftAlone) {
  EXPECT_EQ(Formatted(u"Tetrahedron Lett., 40, 1234 (99)"),
            "<p>Tetrahedron Lett., 40, 1234 (99)</p>\n");
}

}  // namespace
}  // namespace glyphwright
