// A script run a unit at a time goes on where the previous unit stopped, and does what the
// script's lines do in one run.
#include <gtest/gtest.h>

#include <functional>

#include "script/command_runner.h"
#include "support/recording_executer.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

using testing::RecordingExecuter;

struct Unit {
  std::u16string first;
  std::u16string second;
  std::u16string word;
};

std::vector<std::string> Calls(const std::function<void(CommandRunner&)>& run,
                               bool ignoreError = false) {
  const auto host = std::make_shared<RecordingExecuter>();
  CommandRunner runner;
  runner.SetExecuter(host);
  runner.SetIgnoreError(ignoreError);
  run(runner);
  return host->calls;
}

std::u16string LinesOf(const std::vector<Unit>& units) {
  std::u16string script;
  for (const Unit& unit : units) {
    script += u"=" + unit.first + u"\n=" + unit.second + u"\n" + unit.word + u"\n";
  }
  return script;
}

// Words of every kind, including ones a user may set: a word that pushes, one that pops what an
// earlier unit left, one holding an LF, one that is a value line, one the runner does not know.
TEST(CommandRunnerUnits, UnitsRunAsTheirScriptsLines) {
  const std::vector<std::vector<Unit>> scripts = {
      {{u"3", u"2", u"Subscript"}, {u"0", u"1", u"Italic"}, {u"5", u"-1", u"Superscript"}},
      {{u"1", u"2", u"Plus"}, {u"4", u"9", u"Pop"}, {u"0", u"0", u"TypeText"}},
      {{u"4", u"2", u"Copy\nPaste"}, {u"7", u"8", u"=x\nTypeText"}, {u"1", u"1", u"Select"}},
      {{u"2", u"3", u"=9"}, {u"1", u"1", u"Minus\nInv\nTypeText\nTypeText"}},
      {{u"1", u"2", u"Italic\xF0"}, {u"1", u"2", u""}, {u"6", u"1", u"Bold"}},
  };
  for (const auto& units : scripts) {
    for (const bool ignoreError : {false, true}) {
      const std::u16string script = LinesOf(units);
      std::vector<std::string> whole;
      try {
        whole = Calls([&](CommandRunner& runner) { runner.Run(script); }, ignoreError);
      } catch (const AutomationError&) {
        whole = {"raised"};
      }
      std::vector<std::string> byUnit;
      try {
        byUnit = Calls(
            [&](CommandRunner& runner) {
              runner.BeginUnits();
              for (const Unit& unit : units) runner.RunUnit(unit.first, unit.second, unit.word);
            },
            ignoreError);
      } catch (const AutomationError&) {
        byUnit = {"raised"};
      }
      EXPECT_EQ(byUnit, whole) << Utf16ToUtf8(script);
      EXPECT_GE(whole.size(), units.size() * 2) << Utf16ToUtf8(script);
    }
  }
}

TEST(CommandRunnerUnits, BeginUnitsStartsWithAnEmptyStack) {
  const auto host = std::make_shared<RecordingExecuter>();
  CommandRunner runner;
  runner.SetExecuter(host);
  runner.BeginUnits();
  runner.RunUnit(u"1", u"2", u"");
  runner.RunUnit(u"3", u"4", u"Pop");
  host->calls.clear();
  runner.RunUnit(u"5", u"6", u"Plus\nTypeText\nTypeText");
  EXPECT_EQ(host->calls.back(), "TypeText(3, )");
  // A new run forgets what the units left, as Run does.
  runner.BeginUnits();
  host->calls.clear();
  EXPECT_THROW(runner.RunUnit(u"1", u"2", u"Pop\nPop\nPop"), AutomationError);
  EXPECT_EQ(host->calls.size(), 2u);
  // And a run after units starts empty too.
  runner.BeginUnits();
  runner.RunUnit(u"1", u"2", u"");
  EXPECT_THROW(runner.Run(u"Pop\n"), AutomationError);
}

// The stack's limit counts the values of every unit so far.
TEST(CommandRunnerUnits, TheStackLimitSpansUnits) {
  const auto host = std::make_shared<RecordingExecuter>();
  CommandRunner runner;
  runner.SetExecuter(host);
  runner.BeginUnits();
  for (int32_t unit = 0; unit < CommandRunner::kStackSize / 2; ++unit) {
    runner.RunUnit(u"1", u"2", u"");
  }
  EXPECT_THROW(runner.RunUnit(u"3", u"4", u""), AutomationError);
  runner.SetIgnoreError(true);
  // 3 took the last place, 5 and 6 find none; then 3 and the 2 below it are popped.
  EXPECT_NO_THROW(runner.RunUnit(u"5", u"6", u"Pop\nPop\nTypeText"));
  EXPECT_EQ(host->calls.back(), "TypeText(1, )");
}

}  // namespace
}  // namespace glyphwright
