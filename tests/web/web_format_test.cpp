// A job the page runs unit by unit as the query makes it must answer what the whole script
// answers: the script GetCommands makes, byte for byte, and that script's result on the document.
#include "web/web_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "automation/automation_error.h"
#include "cli/query_registry.h"
#include "document/document.h"
#include "document/render_together.h"
#include "script/command_runner.h"
#include "web/run_and_write_units.h"

namespace glyphwright::web {
namespace {

struct StreamCase {
  std::u16string query;
  std::u16string text;
  std::vector<Setting> settings;
};

void PrintTo(const StreamCase& c, std::ostream* out) {
  *out << std::string(c.query.begin(), c.query.end()) << " on "
       << testing::PrintToString(std::u16string_view(c.text));
}

// What the page answered before it ran units as they came: GetCommands, then the whole script
// run on a new document holding the text.
FormatResult WholeScriptJob(const StreamCase& c) {
  const cli::QueryRegistry queries = cli::BuiltInQueries();
  const DispatchRef query = queries.Find(c.query)->make();
  for (const Setting& setting : c.settings) {
    Variant value(setting.value);
    Variant* args[] = {&value};
    CallByName(*query, setting.name, InvokeKind::PropertyPut, args);
  }
  auto document = std::make_shared<Document>(c.text);
  document->Select(0, document->Size());
  Variant text(document->BeginQuery());
  Variant* args[] = {&text};
  FormatResult result;
  result.script.isAscii = false;
  result.script.wide = CallByName(*query, u"GetCommands", InvokeKind::Method, args).ToText();
  CommandRunner runner;
  runner.SetExecuter(document);
  runner.Run(result.script.wide);
  HtmlTextUnicode rendered = RenderHtmlTextUnicode(*document);
  result.html = std::move(rendered.html);
  result.text = std::move(rendered.text);
  result.unicode = std::move(rendered.unicode);
  return result;
}

class StreamedJobTest : public testing::TestWithParam<StreamCase> {};

TEST_P(StreamedJobTest, AnswersWhatTheWholeScriptAnswers) {
  const StreamCase& c = GetParam();
  const FormatResult expected = WholeScriptJob(c);
  const FormatResult streamed = Format(Job{c.query, c.settings}, c.text);
  EXPECT_EQ(streamed.script.Text(), expected.script.Text());
  EXPECT_EQ(streamed.html, expected.html);
  EXPECT_EQ(streamed.text, expected.text);
  EXPECT_EQ(streamed.unicode, expected.unicode);
}

std::u16string ManyFormulas() {
  std::u16string text;
  for (int i = 0; i < 400; ++i) text += u"H2SO4 C6H12O6 CH3COOH Fe2(SO4)3\r";
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, StreamedJobTest,
    testing::Values(
        StreamCase{u"formula", u"H2SO4", {}}, StreamCase{u"formula", u"", {}},
        StreamCase{u"formula", u"no formula here", {}},
        StreamCase{u"formula", u"H2O\rCO2 and [Cu(NH3)4]2+ 5H2O", {}},
        // Positions past 9 and past 99 in the value lines, and text before the first paragraph.
        StreamCase{u"formula", u"Water is H2O and sulfuric acid is H2SO4; glucose C6H12O6.", {}},
        StreamCase{u"formula", ManyFormulas(), {}},
        // A lone surrogate and characters outside the basic plane count as their code units.
        StreamCase{u"formula", u"\U0001D400 H2O \xD800 CO2", {}},
        StreamCase{u"ion", u"SO42- and NH4+ and Fe3+", {}}, StreamCase{u"ion", u"Ca2+\rCl-", {}},
        StreamCase{u"name", u"(R)-2-butanol and tert-butyl and cis-2-butene", {}},
        StreamCase{u"name",
                   u"(S)-alanine, N-methyl, o-xylene",
                   {{u"ItalicCommand", u"Chemical Italic"}}}));

TEST(RunAndWriteUnits, WritesEachUnitAsItsThreeLines) {
  CommandRunner runner;
  runner.SetExecuter(std::make_shared<Document>(u"H2SO4 C6H12O6 and more"));
  runner.BeginUnits();
  RunAndWriteUnits units(runner);
  units.Unit(u"Subscript", 3, 1);
  units.Unit(u"Superscript", -12, 2147483647);
  units.Unit(u"Subscript", 0, 10);
  EXPECT_EQ(units.TakeScript().Text(),
            u"=3\n=1\nSubscript\n"
            u"=-12\n=2147483647\nSuperscript\n"
            u"=0\n=10\nSubscript\n");
}

TEST(RunAndWriteUnits, WritesTheWidestIntegersInFull) {
  CommandRunner runner;
  runner.SetExecuter(std::make_shared<Document>(u"H2SO4"));
  runner.BeginUnits();
  RunAndWriteUnits units(runner);
  try {
    units.Unit(u"Subscript", INT64_MIN, INT64_MAX);
  } catch (const AutomationError&) {
    // The document refuses such a range; the unit's lines are written before it runs.
  }
  const WrittenScript script = units.TakeScript();
  EXPECT_TRUE(script.isAscii);
  EXPECT_EQ(script.ascii, "=-9223372036854775808\n=9223372036854775807\nSubscript\n");
}

// A word beyond ASCII turns the script so far, and all after it, into UTF-16.
TEST(RunAndWriteUnits, WidensTheScriptAtAWordBeyondAscii) {
  CommandRunner runner;
  runner.SetExecuter(std::make_shared<Document>(u"H2SO4 C6H12O6 and more"));
  runner.BeginUnits();
  RunAndWriteUnits units(runner);
  units.Unit(u"Subscript", 1, 1);
  try {
    units.Unit(u"Gr\u00FC\xD800n", 4, 1);
  } catch (const AutomationError&) {
    // No such command: the unit's lines are written before it runs.
  }
  const WrittenScript script = units.TakeScript();
  EXPECT_FALSE(script.isAscii);
  EXPECT_TRUE(script.ascii.empty());
  EXPECT_EQ(script.wide, u"=1\n=1\nSubscript\n=4\n=1\nGr\u00FC\xD800n\n");
  EXPECT_EQ(script.Text(), script.wide);
}

TEST(RunAndWriteUnits, RaisesTheErrorOfAUnitThatFails) {
  CommandRunner runner;  // no Executer: every host call fails
  runner.BeginUnits();
  RunAndWriteUnits units(runner);
  try {
    units.Unit(u"Subscript", 1, 1);
    ADD_FAILURE() << "a unit with nothing to run it on ran";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 91);
  }
}

TEST(RunAndWriteUnits, RunsEachUnitAsTheScriptWouldRun) {
  auto streamed = std::make_shared<Document>(u"H2SO4 CO2");
  auto whole = std::make_shared<Document>(u"H2SO4 CO2");
  CommandRunner runner;
  runner.SetExecuter(streamed);
  runner.BeginUnits();
  RunAndWriteUnits units(runner);
  units.Unit(u"Subscript", 1, 1);
  units.Unit(u"Subscript", 4, 1);
  units.Unit(u"Superscript", 8, 1);
  CommandRunner wholeRunner;
  wholeRunner.SetExecuter(whole);
  wholeRunner.Run(units.TakeScript().Text());
  EXPECT_EQ(RenderHtmlTextUnicode(*streamed).html, RenderHtmlTextUnicode(*whole).html);
  EXPECT_EQ(RenderHtmlTextUnicode(*streamed).html,
            u"<p>H<sub>2</sub>SO<sub>4</sub> CO<sup>2</sup></p>\n");
}

}  // namespace
}  // namespace glyphwright::web
