#include <gtest/gtest.h>

#include "automation/number_text.h"
#include "script/command_runner.h"
#include "support/recording_executer.h"

namespace glyphwright {
namespace {

using testing::Lines;
using testing::RecordingExecuter;

std::optional<AutomationError> RunCatching(CommandRunner& runner, std::u16string_view script) {
  try {
    runner.Run(script);
  } catch (const AutomationError& error) {
    return error;
  }
  return std::nullopt;
}

TEST(CommandRunnerErrorsTest, WithoutAnExecuterValueLinesRaise91UnlessIgnored) {
  CommandRunner runner;
  EXPECT_FALSE(RunCatching(runner, u"").has_value());  // nothing to call, nothing raised
  const auto error = RunCatching(runner, u"=1\n");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->Number(), 91);
  runner.SetIgnoreError(true);
  EXPECT_FALSE(RunCatching(runner, u"=1\n=2\nSubscript\nTypeParagraph\n").has_value());
}

TEST(CommandRunnerErrorsTest, HostErrorsPassThroughWithAllFiveFields) {
  const auto host = std::make_shared<RecordingExecuter>();
  host->failures.emplace(u"SetSmall", AutomationError(1234, u"Boom.", u"Host", u"host.chm", 42));
  CommandRunner runner;
  runner.SetExecuter(host);
  const auto error = RunCatching(runner, u"=0\n=1\nItalic\n=2\n=1\nSmall\n=3\n=1\nBold\n");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->Number(), 1234);
  EXPECT_EQ(error->Description(), u"Boom.");
  EXPECT_EQ(error->Source(), u"Host");
  EXPECT_EQ(error->HelpFile(), u"host.chm");
  EXPECT_EQ(error->HelpContext(), 42);
  // The first word's effect stays; nothing after the failing step runs.
  EXPECT_EQ(host->calls, Lines({"QueryValue(0)", "QueryValue(1)", "SetStyle(0, 1, Italic)",
                                "QueryValue(2)", "QueryValue(1)", "SetSmall(2, 1)"}));
}

TEST(CommandRunnerErrorsTest, MissingOperationIs438) {
  const auto host = std::make_shared<RecordingExecuter>();
  host->supported = {u"QueryValue"};
  CommandRunner runner;
  runner.SetExecuter(host);
  const auto error = RunCatching(runner, u"=1\n=1\nSubscript\n");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->Number(), 438);
}

TEST(CommandRunnerErrorsTest, PartialExecuterWithIgnoreErrorMakesTheCallsItCan) {
  const auto host = std::make_shared<RecordingExecuter>();
  host->supported = {u"QueryValue", u"SetSubscript"};
  CommandRunner runner;
  runner.SetExecuter(host);
  runner.SetIgnoreError(true);
  runner.Run(u"=3\n=2\nSubscript\n");
  EXPECT_EQ(host->calls, Lines({"QueryValue(3)", "QueryValue(2)", "SetSubscript(3, 2, False)",
                                "SetSubscript(3, 2, True)"}));
}

TEST(CommandRunnerErrorsTest, FailingHostStepIsSkippedAndTheWordGoesOn) {
  const auto host = std::make_shared<RecordingExecuter>();
  host->failures.emplace(u"SetSuperscript", AutomationError(5, u"No."));
  CommandRunner runner;
  runner.SetExecuter(host);
  runner.SetIgnoreError(true);
  runner.Run(u"=3\n=2\nSubscript\n=1\nTypeText\n");
  EXPECT_EQ(host->calls, Lines({"QueryValue(3)", "QueryValue(2)", "SetSubscript(3, 2, False)",
                                "SetSuperscript(3, 2, False)", "SetSubscript(3, 2, True)",
                                "QueryValue(1)", "TypeText(1, )"}));
}

TEST(CommandRunnerErrorsTest, FailedQueryValuePushesNothing) {
  const auto host = std::make_shared<RecordingExecuter>();
  host->hook = [](std::u16string_view name, Arguments args) {
    if (name == u"QueryValue" && args[0]->ToText() == u"bad") throw AutomationError(7, u"Bad.");
  };
  CommandRunner runner;
  runner.SetExecuter(host);
  runner.SetIgnoreError(true);
  runner.Run(u"=good\n=bad\nTypeText\n");
  EXPECT_EQ(host->calls, Lines({"QueryValue(good)", "QueryValue(bad)", "TypeText(good, )"}));
}

TEST(CommandRunnerErrorsTest, FailedConversionKeepsTheRegisterAndTheWordGoesOn) {
  const auto host = std::make_shared<RecordingExecuter>();
  CommandRunner runner;
  runner.SetExecuter(host);
  runner.SetIgnoreError(true);
  runner.Run(u"=5\n=6\nCopy\n");  // registers now 5 and 6
  host->calls.clear();
  // '=x' fails as the first operand: the second becomes 2, the first stays 5.
  runner.Run(u"=x\n=2\nSubscript\n");
  EXPECT_EQ(host->calls, Lines({"QueryValue(x)", "QueryValue(2)", "SetSubscript(5, 2, False)",
                                "SetSuperscript(5, 2, False)", "SetSubscript(5, 2, True)"}));
}

TEST(CommandRunnerErrorsTest, ConversionFailingOnTheSecondOperandLeavesTheFirstOnTheStack) {
  const auto host = std::make_shared<RecordingExecuter>();
  CommandRunner runner;
  runner.SetExecuter(host);
  runner.SetIgnoreError(true);
  runner.Run(u"=5\n=6\nCopy\n");
  host->calls.clear();
  runner.Run(u"=2\n=x\nCut\nTypeText\n");
  EXPECT_EQ(host->calls,
            Lines({"QueryValue(2)", "QueryValue(x)", "CutText(5, 6)", "TypeText(2, )"}));
}

TEST(CommandRunnerErrorsTest, ConversionErrorIs13WhenNotIgnored) {
  const auto host = std::make_shared<RecordingExecuter>();
  CommandRunner runner;
  runner.SetExecuter(host);
  const auto error = RunCatching(runner, u"=x\nInv\n");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->Number(), 13);
}

TEST(CommandRunnerErrorsTest, ArithmeticOverflowIs6) {
  const auto host = std::make_shared<RecordingExecuter>();
  CommandRunner runner;
  runner.SetExecuter(host);
  const auto error = RunCatching(runner, u"=1e308\n=1e308\nPlus\n");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->Number(), 6);
}

// The stack never reaches outside its 101 entries: popping an empty stack or pushing a 102nd
// value raises 9, which IgnoreError skips like any step error.
TEST(CommandRunnerErrorsTest, StackBoundsRaise9) {
  const auto host = std::make_shared<RecordingExecuter>();
  CommandRunner runner;
  runner.SetExecuter(host);
  auto error = RunCatching(runner, u"Pop\n");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->Number(), 9);
  EXPECT_EQ(error->Description(), u"Subscript out of range");

  std::u16string full;
  for (int i = 0; i < CommandRunner::kStackSize; ++i) full += u"=" + IntegerToText(i) + u"\n";
  EXPECT_FALSE(RunCatching(runner, full).has_value());
  error = RunCatching(runner, full + u"=overflow\n");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->Number(), 9);

  runner.SetIgnoreError(true);
  host->calls.clear();
  runner.Run(full + u"=overflow\nTypeText\n");
  EXPECT_EQ(host->calls.back(), "TypeText(100, )");  // the 102nd value was never stored
  host->calls.clear();
  runner.Run(u"Pop\nCopy\n=after\nTypeText\n");
  EXPECT_EQ(host->calls.back(), "TypeText(after, )");
}

TEST(CommandRunnerErrorsTest, EveryRunStartsWithAnEmptyStack) {
  const auto host = std::make_shared<RecordingExecuter>();
  CommandRunner runner;
  runner.SetExecuter(host);
  runner.Run(u"=left\n=over\n");
  const auto error = RunCatching(runner, u"Pop\n");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->Number(), 9);
}

TEST(CommandRunnerErrorsTest, TheHostMayReplaceTheExecuterDuringARun) {
  auto first = std::make_shared<RecordingExecuter>();
  const auto second = std::make_shared<RecordingExecuter>();
  CommandRunner runner;
  first->hook = [&](std::u16string_view name, Arguments) {
    if (name == u"TypeText") runner.SetExecuter(second);
  };
  runner.SetExecuter(first);
  const std::weak_ptr<RecordingExecuter> watch = first;
  first.reset();  // the runner holds the only reference while the call replaces it
  runner.Run(u"=a\nTypeText\n=b\nTypeText\n");
  EXPECT_TRUE(watch.expired());
  EXPECT_EQ(second->calls, Lines({"QueryValue(b)", "TypeText(b, )"}));
}

}  // namespace
}  // namespace glyphwright
