// Long and hostile texts: the checker and the query read each in one pass or near it, so these
// finish at once; a scan that restarted at every clause or bracket would not finish at all.
#include <gtest/gtest.h>

#include <string>

#include "characterisation/characterisation_check.h"
#include "characterisation/characterisation_query.h"

namespace glyphwright {
namespace {

std::u16string Repeat(std::u16string_view piece, std::size_t times) {
  std::u16string text;
  text.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) text += piece;
  return text;
}

struct LongCase {
  const char* name;
  std::u16string text;
  std::size_t findings;
};

class LongInputs : public testing::TestWithParam<LongCase> {};

TEST_P(LongInputs, AreCheckedAndFormatted) {
  EXPECT_EQ(CheckCharacterisation(GetParam().text).size(), GetParam().findings);
  CharacterisationQuery query;
  EXPECT_NO_THROW(query.GetCommands(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Characterisation, LongInputs,
    testing::Values(
        LongCase{"ManyClauses", Repeat(u"calcd for C10H13O2+ 165.0925; ", 20000), 20000},
        LongCase{"ManyKeywordsNoFor", Repeat(u"calcd ", 100000), 0},
        // The brackets close the sentence, not the formula; no value follows the formula then.
        LongCase{"ClosingBrackets", u"calcd for C" + Repeat(u")", 200000) + u" 1.5", 0},
        LongCase{"OpeningBrackets", u"calcd for " + Repeat(u"(", 200000) + u"C 1.5", 1},
        LongCase{"Adducts", Repeat(u"[M+H", 100000), 0},
        LongCase{"Digits", u"mp " + Repeat(u"1", 300000) + u"-2", 0},
        LongCase{"FormulaWord", Repeat(u"C2H6", 100000), 0},
        LongCase{"Analysis",
                 u"Anal. Calcd for C10H12O2: " + Repeat(u"C, 73.15; ", 50000) + u"Found: C, 73.10.",
                 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace glyphwright
