// The prose corpus, run through ChemTextQuery on the reference document and scored against its
// labels, per character and per kind of formatting.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "prose/labelled_text.h"

namespace glyphwright::testing {

struct Sample {
  std::string where;  // file and line
  LabelledText labelled;
};

// Every sample of the .txt files in a folder of the corpus; lines starting with "#" and blank
// lines are no samples. A line whose markup is broken fails the calling test.
std::vector<Sample> LoadCorpus(const std::filesystem::path& folder);

// The corpus folder of the source tree.
std::filesystem::path CorpusFolder();

struct Scores {
  long truePositives = 0;
  long falsePositives = 0;
  long falseNegatives = 0;
  int samples = 0;
  int traps = 0;  // samples with nothing to format
  std::vector<std::string> misses;

  double Precision() const;
  double Recall() const;
};

// The marks the reference document shows for each character after the script has run once, or
// twice when runs is 2.
std::vector<uint8_t> FormattedMarks(const std::u16string& text, int runs);

Scores Score(const std::vector<Sample>& samples);

}  // namespace glyphwright::testing
