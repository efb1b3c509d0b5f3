#include "prose/corpus_scores.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <set>

#include "document/document_test_support.h"
#include "prose/chem_text_query.h"

namespace glyphwright::testing {

std::filesystem::path CorpusFolder() {
  const char* source = std::getenv("GLYPHWRIGHT_SOURCE_DIR");
  const std::filesystem::path root = source != nullptr ? source : GLYPHWRIGHT_TEST_SOURCE_DIR;
  return root / "tests" / "prose" / "corpus";
}

std::vector<Sample> LoadCorpus(const std::filesystem::path& folder) {
  std::set<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".txt") files.insert(entry.path());
  }
  std::vector<Sample> samples;
  for (const auto& file : files) {
    std::ifstream in(file);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      if (line.empty() || line[0] == '#') continue;
      const std::string where = file.filename().string() + ":" + std::to_string(number);
      const auto text = Utf8ToUtf16(line);
      if (!text) {
        ADD_FAILURE() << where << ": not UTF-8";
        continue;
      }
      auto labelled = ParseLabelled(*text);
      if (!labelled) {
        ADD_FAILURE() << where << ": broken markup";
        continue;
      }
      samples.push_back({where, std::move(*labelled)});
    }
  }
  return samples;
}

std::vector<uint8_t> FormattedMarks(const std::u16string& text, int runs) {
  auto document = std::make_shared<Document>(text);
  ChemTextQuery query;
  for (int run = 0; run < runs; ++run) {
    document->Select(0, document->Size());
    RunOn(document, query.GetCommands(document->BeginQuery()));
  }
  const std::u16string after = document->Text();
  std::vector<uint8_t> marks(text.size(), 0);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const CharFormat format = document->FormatAt(static_cast<int32_t>(i));
    uint8_t& mark = marks[i];
    if (format.subscript) mark |= kSubscript;
    if (format.superscript) mark |= kSuperscript;
    if (LooksItalic(format)) mark |= kItalic;
    if (format.bold) mark |= kBold;
    if (LooksSmallCaps(format)) mark |= kSmall;
    if (i < after.size() && after[i] != text[i]) mark |= kReplaced;
  }
  return marks;
}

Scores Score(const std::vector<Sample>& samples) {
  Scores scores;
  for (const Sample& sample : samples) {
    const std::u16string& text = sample.labelled.text;
    const std::vector<uint8_t>& expected = sample.labelled.marks;
    const std::vector<uint8_t> got = FormattedMarks(text, 1);
    ++scores.samples;
    bool anyExpected = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
      anyExpected = anyExpected || expected[i] != 0;
      for (uint8_t mark : kAllMarks) {
        const bool wanted = (expected[i] & mark) != 0;
        const bool made = (got[i] & mark) != 0;
        if (wanted && made) ++scores.truePositives;
        if (!wanted && made) ++scores.falsePositives;
        if (wanted && !made) ++scores.falseNegatives;
      }
    }
    if (!anyExpected) ++scores.traps;
    if (got != expected) {
      scores.misses.push_back(sample.where + "\n  want " +
                              Utf16ToUtf8(WriteLabelled(text, expected)) + "\n  got  " +
                              Utf16ToUtf8(WriteLabelled(text, got)));
    }
  }
  return scores;
}

double Scores::Precision() const {
  const long made = truePositives + falsePositives;
  return made == 0 ? 1.0 : static_cast<double>(truePositives) / static_cast<double>(made);
}

double Scores::Recall() const {
  const long wanted = truePositives + falseNegatives;
  return wanted == 0 ? 1.0 : static_cast<double>(truePositives) / static_cast<double>(wanted);
}

}  // namespace glyphwright::testing
