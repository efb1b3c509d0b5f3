// A script run a block at a time goes on where the previous block stopped, and does what the
// whole script does in one run.
#include <gtest/gtest.h>

#include "script/command_runner.h"
#include "support/recording_executer.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

using testing::RecordingExecuter;

constexpr std::u16string_view kScript =
    u"=3\n=2\nSubscript\n=x\nTypeText\n=a\n=b\nTypeStyledText\n=1\n=2\nPlus\nGoTo\n"
    u"=7\n=4\nMinus\nInv\nTypeText\n=4\n=2\nCopy\nPaste\n=0\n=1\nItalic\n";

std::vector<std::string> Calls(const std::function<void(CommandRunner&)>& run) {
  const auto host = std::make_shared<RecordingExecuter>();
  CommandRunner runner;
  runner.SetExecuter(host);
  run(runner);
  return host->calls;
}

// Every way of cutting the script into two or three blocks at line ends, so values pushed in
// one block are popped by a word in the next.
TEST(CommandRunnerBlocks, BlocksCutAtAnyLineEndRunAsTheWholeScript) {
  const auto whole = Calls([](CommandRunner& runner) { runner.Run(kScript); });
  ASSERT_GT(whole.size(), 20u);
  std::vector<std::size_t> ends;
  for (std::size_t at = 0; at < kScript.size(); ++at) {
    if (kScript[at] == u'\n') ends.push_back(at + 1);
  }
  for (const std::size_t first : ends) {
    for (const std::size_t second : ends) {
      if (second < first) continue;
      const auto blocks = Calls([&](CommandRunner& runner) {
        runner.BeginBlocks();
        runner.RunBlock(kScript.substr(0, first));
        runner.RunBlock(kScript.substr(first, second - first));
        runner.RunBlock(kScript.substr(second));
      });
      EXPECT_EQ(blocks, whole) << first << " " << second;
    }
  }
}

TEST(CommandRunnerBlocks, BeginBlocksStartsWithAnEmptyStack) {
  const auto host = std::make_shared<RecordingExecuter>();
  CommandRunner runner;
  runner.SetExecuter(host);
  runner.BeginBlocks();
  runner.RunBlock(u"=1\n=2\n");
  runner.RunBlock(u"=3\n");
  host->calls.clear();
  runner.RunBlock(u"TypeText\n");
  EXPECT_EQ(host->calls, std::vector<std::string>{"TypeText(3, )"});
  // A new run forgets what the blocks left, as Run does.
  runner.BeginBlocks();
  host->calls.clear();
  EXPECT_THROW(runner.RunBlock(u"TypeText\n"), AutomationError);
  EXPECT_TRUE(host->calls.empty());
  // And a run after blocks starts empty too.
  runner.BeginBlocks();
  runner.RunBlock(u"=5\n");
  EXPECT_THROW(runner.Run(u"Pop\n"), AutomationError);
}

// The stack's limit counts the values of every block so far.
TEST(CommandRunnerBlocks, TheStackLimitSpansBlocks) {
  const auto host = std::make_shared<RecordingExecuter>();
  CommandRunner runner;
  runner.SetExecuter(host);
  runner.BeginBlocks();
  for (int32_t value = 0; value < CommandRunner::kStackSize; ++value) runner.RunBlock(u"=1\n");
  EXPECT_THROW(runner.RunBlock(u"=1\n"), AutomationError);
  runner.SetIgnoreError(true);
  EXPECT_NO_THROW(runner.RunBlock(u"=1\nPop\n=2\nTypeText\n"));
  EXPECT_EQ(host->calls.back(), "TypeText(2, )");
}

}  // namespace
}  // namespace glyphwright
