// The bulk pass on the labelled prose corpus: precision and recall per character of formatting,
// on the part the rules were tuned on and on the part held out from tuning.
#include <gtest/gtest.h>

#include <iostream>

#include "prose/corpus_scores.h"

namespace glyphwright::testing {
namespace {

constexpr double kPrecisionGoal = 0.995;
constexpr double kRecallGoal = 0.95;

void Report(const char* name, const Scores& scores) {
  std::cout << name << ": " << scores.samples << " samples (" << scores.traps
            << " with nothing to format), precision " << scores.Precision() << ", recall "
            << scores.Recall() << " (" << scores.truePositives << " right, "
            << scores.falsePositives << " wrongly formatted, " << scores.falseNegatives
            << " missed)\n";
  for (const std::string& miss : scores.misses) std::cout << miss << "\n";
}

std::vector<Sample> WholeCorpus() {
  std::vector<Sample> all = LoadCorpus(CorpusFolder() / "tuning");
  const std::vector<Sample> heldOut = LoadCorpus(CorpusFolder() / "held_out");
  all.insert(all.end(), heldOut.begin(), heldOut.end());
  return all;
}

// The goals hold on the whole corpus; each part is reported on its own as well, the held-out
// part being the better guess of what unseen prose gets.
TEST(ProseCorpusTest, MeetsThePrecisionAndRecallGoals) {
  Report("tuning", Score(LoadCorpus(CorpusFolder() / "tuning")));
  Report("held_out", Score(LoadCorpus(CorpusFolder() / "held_out")));
  const Scores scores = Score(WholeCorpus());
  std::cout << "whole corpus: precision " << scores.Precision() << ", recall " << scores.Recall()
            << "\n";
  EXPECT_GE(scores.Precision(), kPrecisionGoal);
  EXPECT_GE(scores.Recall(), kRecallGoal);
}

TEST(ProseCorpusSizeTest, HoldsFiveHundredSamplesAThirdOfThemTraps) {
  const std::vector<Sample> all = WholeCorpus();
  int traps = 0;
  for (const Sample& sample : all) {
    bool any = false;
    for (uint8_t mark : sample.labelled.marks) any = any || mark != 0;
    if (!any) ++traps;
  }
  EXPECT_GE(all.size(), 500u);
  EXPECT_GE(3 * traps, static_cast<int>(all.size()));
}

// Running the pass again over its own result changes nothing more.
TEST(ProseCorpusTest, ASecondRunChangesNothing) {
  for (const Sample& sample : WholeCorpus()) {
    EXPECT_EQ(FormattedMarks(sample.labelled.text, 2), FormattedMarks(sample.labelled.text, 1))
        << sample.where;
  }
}

}  // namespace
}  // namespace glyphwright::testing
