// The corpus of running lists, each restyled into every style on the reference document:
// restyling twice gives what restyling once gave, and every style reads back to the same text.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "nmr/journal_styles.h"
#include "nmr/nmr_data_reader.h"
#include "nmr/nmr_style_support.h"

namespace glyphwright {
namespace {

using testing_nmr::Html;
using testing_nmr::Restyle;
using testing_nmr::StyleQuery;

std::vector<std::u16string> CorpusLists() {
  std::ifstream file(GLYPHWRIGHT_NMR_CORPUS, std::ios::binary);
  std::vector<std::u16string> lists;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    lists.push_back(Utf8ToUtf16(line).value());
  }
  return lists;
}

const std::vector<std::u16string>& Corpus() {
  static const std::vector<std::u16string> lists = CorpusLists();
  return lists;
}

std::shared_ptr<Document> DocumentOf(std::u16string_view html) {
  return std::make_shared<Document>(DocumentFromHtml(html));
}

TEST(NMRStyleCorpus, HoldsTwoHundredListsAtLeast) {
  EXPECT_GE(Corpus().size(), 200u);
}

TEST(NMRStyleCorpus, RestylingTwiceEqualsRestylingOnce) {
  for (const std::u16string& list : Corpus()) {
    for (const JournalStyle& style : JournalStyles()) {
      SCOPED_TRACE(Utf16ToUtf8(style.name) + ": " + Utf16ToUtf8(list));
      const NMRStyleQuery query = StyleQuery(style.name);
      const auto document = DocumentOf(list);
      Restyle(document, query);
      const std::string once = Html(*document);
      // The restyled text is selected: restyle the selection again.
      Restyle(document, query);
      ASSERT_EQ(Html(*document), once);
    }
  }
}

TEST(NMRStyleCorpus, EveryStyleReadsBackToTheSameAcsText) {
  for (const std::u16string& list : Corpus()) {
    SCOPED_TRACE(Utf16ToUtf8(list));
    const auto acs = DocumentOf(list);
    Restyle(acs, StyleQuery(u"ACS"));
    const std::string expected = Html(*acs);
    for (const JournalStyle& style : JournalStyles()) {
      SCOPED_TRACE(Utf16ToUtf8(style.name));
      // From the ACS text into the style and back: ACS -> RSC -> ACS among them.
      const auto document = DocumentOf(list);
      Restyle(document, StyleQuery(u"ACS"));
      Restyle(document, StyleQuery(style.name));
      Restyle(document, StyleQuery(u"ACS"));
      ASSERT_EQ(Html(*document), expected);
      // And straight from the original text.
      const auto direct = DocumentOf(list);
      Restyle(direct, StyleQuery(style.name));
      Restyle(direct, StyleQuery(u"ACS"));
      ASSERT_EQ(Html(*direct), expected);
    }
  }
}

// No peak is lost or invented, and no item moves from one peak to another.
TEST(NMRStyleCorpus, TheRestyledListHasThePeaksOfTheOriginal) {
  for (const std::u16string& list : Corpus()) {
    SCOPED_TRACE(Utf16ToUtf8(list));
    const auto original = DocumentOf(list);
    const NmrData before = ReadNmrData(original->Text());
    std::size_t counts = 0, multiplicities = 0, couplings = 0, trailing = 0;
    for (const NmrPeak& peak : before.peaks) {
      counts += !peak.countNumber.empty();
      multiplicities += !peak.multiplicity.empty();
      couplings += peak.couplings.size();
      trailing += peak.trailing.has_value();
    }
    for (const JournalStyle& style : JournalStyles()) {
      const auto document = DocumentOf(list);
      Restyle(document, StyleQuery(style.name));
      const NmrData after = ReadNmrData(document->Text());
      ASSERT_EQ(after.peaks.size(), before.peaks.size()) << Utf16ToUtf8(style.name);
      std::size_t counts2 = 0, multiplicities2 = 0, couplings2 = 0, trailing2 = 0;
      for (const NmrPeak& peak : after.peaks) {
        counts2 += !peak.countNumber.empty();
        multiplicities2 += !peak.multiplicity.empty();
        couplings2 += peak.couplings.size();
        trailing2 += peak.trailing.has_value();
      }
      EXPECT_EQ(counts2, counts);
      EXPECT_EQ(multiplicities2, multiplicities);
      EXPECT_EQ(couplings2, couplings);
      EXPECT_EQ(trailing2, trailing);
    }
  }
}

}  // namespace
}  // namespace glyphwright
