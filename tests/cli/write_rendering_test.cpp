// The command writes a rendering as it is made, a piece at a time: what it writes must be the
// whole rendering in UTF-8, ended by exactly one LF of its own when the rendering lacks one.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/text_io.h"
#include "document/renderers.h"
#include "script/builders.h"
#include "script/command_runner.h"
#include "text/utf8.h"

namespace glyphwright::cli {
namespace {

struct Form {
  OutputForm form;
  std::u16string (*render)(const Document&);
};

const Form kForms[] = {{OutputForm::Html, RenderHtml},
                       {OutputForm::Text, RenderText},
                       {OutputForm::Unicode, RenderUnicode},
                       {OutputForm::Json, RenderJson}};

std::string Written(const Document& document, OutputForm form) {
  std::ostringstream out;
  WriteRendering(out, document, form);
  return out.str();
}

TEST(WriteRenderingTest, ALongRenderingIsWrittenWholeAndEndedOnce) {
  // Lines of formulas with non-ASCII text, some paragraphs ended by marks, the last one not.
  std::u16string text;
  for (int i = 0; i < 5000; ++i) text += i % 3 == 0 ? u"SO42- \u00e9\U0001D400\r" : u"H2O\n";
  auto document = std::make_shared<Document>(text);
  ScriptWriter script;
  for (std::size_t at = text.find(u"2"); at != std::u16string::npos; at = text.find(u"2", at + 1)) {
    script.Command2(u"Subscript", static_cast<int64_t>(at), 1);
  }
  CommandRunner runner;
  runner.SetExecuter(document);
  runner.Run(script.Script());
  for (const Form& form : kForms) {
    SCOPED_TRACE(static_cast<int>(form.form));
    std::string expected = Utf16ToUtf8(form.render(*document));
    if (expected.back() != '\n') expected += '\n';
    EXPECT_EQ(Written(*document, form.form), expected);
  }
}

// Surrogates as the command writes them: a pair whose halves lie in two runs, with elements
// between them or not, and lone halves, next to escapes and at the end of the text.
TEST(WriteRenderingTest, SurrogatesAreWrittenAsTheirConversionHasThem) {
  const std::u16string texts[] = {
      u"a\xD83D\xDE00"
      u"b",                                   // a pair
      u"\xD83D<\xDE00&",                      // halves apart, escapes between
      u"x\xDBFF",                             // a lone high half at the end
      u"\xDC00\xD800\xDFFF\r\xD83D\xDE00\t",  // lone halves, a mark, a pair, a TAB
  };
  for (const std::u16string& text : texts) {
    for (const bool subscriptHighHalves : {false, true}) {
      auto document = std::make_shared<Document>(text);
      ScriptWriter script;
      if (subscriptHighHalves) {
        for (std::size_t at = 0; at < text.size(); ++at) {
          if (text[at] >= 0xD800 && text[at] <= 0xDBFF) {
            script.Command2(u"Subscript", static_cast<int64_t>(at), 1);
          }
        }
      }
      CommandRunner runner;
      runner.SetExecuter(document);
      runner.Run(script.Script());
      for (const Form& form : kForms) {
        SCOPED_TRACE(testing::Message()
                     << Utf16ToUtf8(text) << ", form " << static_cast<int>(form.form));
        std::string expected = Utf16ToUtf8(form.render(*document));
        if (expected.back() != '\n') expected += '\n';
        const std::string written = Written(*document, form.form);
        EXPECT_EQ(written, expected);
        EXPECT_EQ(FindInvalidUtf8(written), std::nullopt);
      }
    }
  }
}

TEST(WriteRenderingTest, AnEmptyRenderingIsOneLineFeed) {
  EXPECT_EQ(Written(Document(), OutputForm::Text), "\n");
  EXPECT_EQ(Written(Document(), OutputForm::Html), "<p></p>\n");
  EXPECT_EQ(Written(Document(u"a\r"), OutputForm::Text), "a\n");
  EXPECT_EQ(Written(Document(u"a\rb"), OutputForm::Text), "a\nb\n");
}

}  // namespace
}  // namespace glyphwright::cli
