// The corpus of characterisation paragraphs (corpus.txt, made by write_corpus.py from the element
// data file): the checker reports exactly the faults each paragraph's header names.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "characterisation/characterisation_check.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

struct CorpusParagraph {
  std::string header;
  std::string kind;
  std::vector<std::size_t> faults;
  std::u16string text;
};

std::vector<CorpusParagraph> ReadCorpus() {
  const char* root = std::getenv("GLYPHWRIGHT_SOURCE_DIR");
  std::ifstream file(std::string(root ? root : ".") + "/tests/characterisation/corpus.txt");
  std::vector<CorpusParagraph> corpus;
  std::string line;
  while (std::getline(file, line)) {
    if (line.rfind("## ", 0) != 0) continue;
    CorpusParagraph paragraph;
    paragraph.header = line;
    std::istringstream fields(line.substr(3));
    std::string number, style, offsets;
    fields >> number >> style >> paragraph.kind >> offsets;
    if (offsets != "-") {
      std::istringstream list(offsets);
      std::string offset;
      while (std::getline(list, offset, ',')) paragraph.faults.push_back(std::stoul(offset));
    }
    std::getline(file, line);
    paragraph.text = Utf8ToUtf16(line).value();
    corpus.push_back(std::move(paragraph));
  }
  return corpus;
}

TEST(Corpus, HoldsEnoughParagraphsAThirdWithErrors) {
  const std::vector<CorpusParagraph> corpus = ReadCorpus();
  ASSERT_GE(corpus.size(), 200u);
  std::size_t faulty = 0;
  for (const CorpusParagraph& paragraph : corpus) {
    if (paragraph.kind != "ok") ++faulty;
    EXPECT_EQ(paragraph.kind == "ok", paragraph.faults.empty()) << paragraph.header;
  }
  EXPECT_GE(faulty * 100, corpus.size() * 32);
}

TEST(Corpus, CheckerReportsExactlyTheFaultsPutIn) {
  for (const CorpusParagraph& paragraph : ReadCorpus()) {
    std::vector<std::size_t> offsets;
    for (const Finding& finding : CheckCharacterisation(paragraph.text)) {
      offsets.push_back(finding.offset);
    }
    EXPECT_EQ(offsets, paragraph.faults) << paragraph.header << "\n" << Utf16ToUtf8(paragraph.text);
  }
}

}  // namespace
}  // namespace glyphwright
