// The query subcommands in-process, with stand-in queries reached only by name, as real ones are.
#include <gtest/gtest.h>

#include <sstream>

#include "automation/automation_error.h"
#include "automation/member_table.h"
#include "cli/cli.h"
#include "cli/cli_outcome.h"
#include "script/builders.h"
#include "text/char_class.h"

namespace glyphwright::cli {
namespace {

// Subscripts every digit run that follows a letter, with the word in its Command property. When
// it has a FontListener that reports the first run as subscript already, it writes NormalScript
// instead, the way digit cycling steps on.
class TestDigitsQuery : public TableDispatch<TestDigitsQuery> {
 public:
  static MemberTable Members();

  std::u16string GetCommands(std::u16string_view text) {
    std::vector<std::pair<int64_t, int64_t>> runs;
    for (std::size_t i = 1; i < text.size(); ++i) {
      if (!IsDigitChar(text[i]) || !IsAlphaChar(text[i - 1])) continue;
      std::size_t end = i;
      while (end < text.size() && IsDigitChar(text[end])) ++end;
      runs.emplace_back(i, end - i);
      i = end;
    }
    std::u16string word = command_;
    if (listener_ && !runs.empty()) {
      Variant index(static_cast<int32_t>(runs[0].first));
      Variant length(static_cast<int32_t>(runs[0].second));
      Variant value(0);
      Variant* args[] = {&index, &length, &value};
      CallByName(*listener_, u"GetSubscript", InvokeKind::Method, args);
      if (value.ToLong() == -1) word = u"NormalScript";
    }
    ScriptWriter script;
    for (const auto& [start, length] : runs) script.Command2(word, start, length);
    script.Append(suffix_);
    return std::move(script).Script();
  }

  const std::u16string& Command() const { return command_; }
  void SetCommand(std::u16string_view command) { command_ = command; }
  void SetStrict(bool strict) { strict_ = strict; }
  void SetFontListener(DispatchRef listener) { listener_ = std::move(listener); }
  void SetSuffix(std::u16string_view suffix) { suffix_ = suffix; }

  std::u16string command_ = u"Subscript";
  std::u16string suffix_;  // script lines appended as they are
  bool strict_ = false;
  DispatchRef listener_;
};

MemberTable TestDigitsQuery::Members() {
  static constexpr auto kMembers =
      Rows(Property<&Self::Command, &Self::SetCommand>(u"Command", 1),
           Put<&Self::SetStrict>(u"Strict", 2), Put<&Self::SetFontListener>(u"FontListener", 3),
           Put<&Self::SetSuffix>(u"Suffix", 5),
           Method<&Self::GetCommands>(u"GetCommands", 4, {u"Text"}));
  return kMembers;
}

// Rejects every text, as a query does for input it cannot read.
class TestFailingQuery : public TableDispatch<TestFailingQuery> {
 public:
  static MemberTable Members() {
    static constexpr auto kMembers = Rows(Method<&Self::GetCommands>(u"GetCommands", 1, {u"Text"}));
    return kMembers;
  }
  std::u16string GetCommands(std::u16string_view) {
    throw AutomationError(1, u"Chemical shift is missing.");
  }
};

QueryRegistry TestQueries() {
  QueryRegistry queries;
  queries.Add({u"digits", u"TestDigitsQuery", &MakeQuery<TestDigitsQuery>});
  queries.Add({u"fail", u"TestFailingQuery", &MakeQuery<TestFailingQuery>});
  return queries;
}

using in_process::Outcome;

Outcome Cli(const std::vector<std::string>& args, const QueryRegistry& queries = TestQueries(),
            const std::string& input = {}) {
  return in_process::RunOn(args, input, queries);
}

TEST(ScriptCommandTest, PrintsExactlyTheScript) {
  const Outcome outcome = Cli({"script", "digits", "H2SO4"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, "=1\n=1\nSubscript\n=4\n=1\nSubscript\n");
  EXPECT_EQ(outcome.err, "");
}

TEST(ScriptCommandTest, AnEmptyScriptPrintsNothing) {
  EXPECT_EQ(Cli({"script", "digits", "2 apples"}).out, "");
}

TEST(ScriptCommandTest, FindsQueriesByAliasOrClassNameInAnyCase) {
  for (const char* name : {"digits", "DIGITS", "TestDigitsQuery", "testdigitsquery"}) {
    EXPECT_EQ(Cli({"script", name, "H2O"}).out, "=1\n=1\nSubscript\n") << name;
  }
}

TEST(ScriptCommandTest, ReadsTheTextFromStandardInputVerbatim) {
  // The trailing LF is part of the text; the run at the end is still found.
  EXPECT_EQ(Cli({"script", "digits"}, TestQueries(), "CO2\n").out, "=2\n=1\nSubscript\n");
  EXPECT_EQ(Cli({"script", "digits", "-"}, TestQueries(),
                "x\xCE\xB4"
                "C3")
                .out,
            "=3\n=1\nSubscript\n");  // offsets count UTF-16 code units: the delta is one
}

TEST(ScriptCommandTest, SetsPropertiesByNameBeforeTheCall) {
  EXPECT_EQ(Cli({"script", "digits", "--set", "Command=Superscript", "H2O"}).out,
            "=1\n=1\nSuperscript\n");
  EXPECT_EQ(Cli({"script", "digits", "--set=command=Chemical Italic", "H2O"}).out,
            "=1\n=1\nChemical Italic\n");
  // The automation layer converts the text to the property's type.
  EXPECT_EQ(Cli({"script", "digits", "--set", "Strict=True", "H2O"}).status, 0);
}

TEST(ScriptCommandTest, PropertyErrorsAreAutomationErrors) {
  const std::tuple<const char*, const char*> cases[] = {
      {"Colour=red", "glyphwright: error 438: Object doesn't support this property or method.\n"},
      {"Strict=maybe", "glyphwright: error 13: Type mismatch.\n"},
      // GetCommands exists but cannot be put.
      {"GetCommands=x",
       "glyphwright: error 438: Object doesn't support this property or method.\n"},
  };
  for (const auto& [setting, message] : cases) {
    const Outcome outcome = Cli({"script", "digits", "--set", setting, "H2O"});
    EXPECT_EQ(outcome.status, 1) << setting;
    EXPECT_EQ(outcome.err, message);
    EXPECT_EQ(outcome.out, "");
  }
}

TEST(ScriptCommandTest, MalformedSettingIsBadUsage) {
  for (const char* setting : {"Command", "=x"}) {
    const Outcome outcome = Cli({"script", "digits", "--set", setting, "H2O"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err, "glyphwright: --set takes NAME=VALUE, not '" + std::string(setting) +
                               "'\nTry 'glyphwright script --help'.\n");
  }
}

TEST(ScriptCommandTest, HtmlInputGivesThePlainTextAndAnswersTheListener) {
  // The query sees "H2O" and learns from the document that the 2 is subscript already.
  EXPECT_EQ(Cli({"script", "digits", "--from", "html", "H<sub>2</sub>O"}).out,
            "=1\n=1\nNormalScript\n");
  EXPECT_EQ(Cli({"script", "digits", "--from", "html", "H2O"}).out, "=1\n=1\nSubscript\n");
}

TEST(FormatCommandTest, RunsTheScriptOnTheDocumentAndRenders) {
  const std::tuple<std::vector<std::string>, std::string> cases[] = {
      {{"format", "digits", "H2SO4"}, "<p>H<sub>2</sub>SO<sub>4</sub></p>\n"},
      {{"format", "digits", "--to", "unicode", "H2SO4"}, "H\u2082SO\u2084\n"},
      {{"format", "digits", "--to", "text", "H2SO4"}, "H2SO4\n"},
      {{"format", "digits", "--to", "json", "H2"},
       R"({"paragraphs":[{"style":"","runs":[{"text":"H"},{"text":"2","subscript":true}]}]})"
       "\n"},
      // Digit cycling reads the input's formatting: subscript steps on to plain.
      {{"format", "digits", "--from", "html", "H<sub>2</sub>O"}, "<p>H2O</p>\n"},
      {{"format", "digits", "--from", "html", "<i>H2O</i>"}, "<p><i>H<sub>2</sub>O</i></p>\n"},
      {{"format", "digits", "--set", "Command=Superscript", "--to", "unicode", "x2"}, "x\u00B2\n"},
  };
  for (const auto& [args, expected] : cases) {
    const Outcome outcome = Cli(args);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, expected);
  }
}

TEST(FormatCommandTest, IgnoreErrorSkipsFailingSteps) {
  const std::string failing = "Suffix==Nowhere\nGoTo\n=0\n=1\nItalic\n";
  const Outcome stopped = Cli({"format", "digits", "--set", failing, "H2"});
  EXPECT_EQ(stopped.status, 1);
  EXPECT_EQ(stopped.err, "glyphwright: error 5: Invalid procedure call or argument.\n");
  EXPECT_EQ(stopped.out, "");
  const Outcome skipped = Cli({"format", "digits", "--ignore-error", "--set", failing, "H2"});
  EXPECT_EQ(skipped.status, 0);
  EXPECT_EQ(skipped.out, "<p><i>H</i><sub>2</sub></p>\n");
}

TEST(FormatCommandTest, QueryErrorsKeepTheirFullStop) {
  const Outcome outcome = Cli({"format", "fail", "7.26"});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err, "glyphwright: error 1: Chemical shift is missing.\n");
  EXPECT_EQ(outcome.out, "");
}

TEST(FormatCommandTest, UnknownQueryListsTheKnownOnes) {
  const Outcome outcome = Cli({"format", "ion", "SO42-"});
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.err,
            "glyphwright: no such query 'ion'; known queries: digits (TestDigitsQuery), fail "
            "(TestFailingQuery)\nTry 'glyphwright format --help'.\n");
}

TEST(FormatCommandTest, WithoutQueriesEverySubcommandStillWorks) {
  const QueryRegistry none;
  for (const char* command : {"format", "script"}) {
    const Outcome outcome = Cli({command, "ion", "SO42-"}, none);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err,
              "glyphwright: no such query 'ion'; no queries are built in yet\nTry "
              "'glyphwright " +
                  std::string(command) + " --help'.\n");
  }
  EXPECT_EQ(Cli({"queries"}, none).out, "");
  EXPECT_NE(Cli({"format", "--help"}, none).out.find("no queries are built in yet"),
            std::string::npos);
}

TEST(FormatCommandTest, UnknownQueryIsReportedBeforeStandardInputIsRead) {
  std::istringstream in("text");
  std::ostringstream out, err;
  std::vector<std::string> args = {"format", "nothing"};
  EXPECT_EQ(RunCli(args, TestQueries(), {in, out, err}), 2);
  EXPECT_EQ(in.tellg(), 0);
}

TEST(QueriesCommandTest, ListsAliasAndClassName) {
  EXPECT_EQ(Cli({"queries"}).out, "digits\tTestDigitsQuery\nfail\tTestFailingQuery\n");
  EXPECT_NE(Cli({"format", "-h"}).out.find("digits (TestDigitsQuery), fail (TestFailingQuery)"),
            std::string::npos);
}

TEST(CliTest, OutputThatCannotBeWrittenIsAFailure) {
  std::istringstream in;
  std::ostringstream out, err;
  out.setstate(std::ios::badbit);
  std::vector<std::string> args = {"script", "digits", "H2O"};
  EXPECT_EQ(RunCli(args, TestQueries(), {in, out, err}), 1);
  EXPECT_EQ(err.str(), "glyphwright: cannot write the output\n");
}

}  // namespace
}  // namespace glyphwright::cli
