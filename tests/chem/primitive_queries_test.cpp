// The four scanners, fed the code array a public query makes (text folded, one blank appended).
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "chem/chem_keywords_query.h"
#include "chem/chem_subscript_query.h"
#include "chem/chem_superscript_query.h"
#include "chem/chem_test_support.h"
#include "chem/prefix_list.h"
#include "chem/shared_queries.h"
#include "chem/triple_bond_trans_query.h"

namespace glyphwright {
namespace {

using testing::Lines;
using testing::Prepared;
using testing::U16;
using testing::U8;

struct ScanCase {
  std::string text;
  std::vector<std::string> lines;
};

void PrintTo(const ScanCase& row, std::ostream* out) {
  *out << row.text;
}

class SubscriptScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(SubscriptScan, DigitRunsAfterABase) {
  const ChemSubscriptQuery query;
  EXPECT_EQ(U8(query.GetCommands(Prepared(GetParam().text))), Lines(GetParam().lines));
}

INSTANTIATE_TEST_SUITE_P(
    Counts, SubscriptScan,
    ::testing::Values(ScanCase{"H2SO4", {"=1", "=1", "Subscript", "=4", "=1", "Subscript"}},
                      ScanCase{"SO42-", {"=2", "=2", "Subscript"}},
                      ScanCase{"2H2O", {"=2", "=1", "Subscript"}},  // a leading digit has no base
                      ScanCase{"C60", {"=1", "=2", "Subscript"}},
                      ScanCase{"Ca(OH)2", {"=6", "=1", "Subscript"}},
                      ScanCase{"[Fe(CN)6]3", {"=7", "=1", "Subscript", "=9", "=1", "Subscript"}},
                      ScanCase{"{X}2", {"=3", "=1", "Subscript"}},
                      ScanCase{"CH3 2", {"=2", "=1", "Subscript"}},   // the lone 2 follows a blank
                      ScanCase{"ref1-3", {"=3", "=1", "Subscript"}},  // no ranges by default
                      ScanCase{"H2", {"=1", "=1", "Subscript"}},      // a run that ends the text
                      ScanCase{"1,2-", {}}, ScanCase{"", {}},
                      ScanCase{"\xEF\xBC\xA8\xEF\xBC\x92O",
                               {"=1", "=1", "Subscript"}}));  // full-width H2O

class RangeScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(RangeScan, OneSeparatorJoinsTwoDigitGroups) {
  ChemSubscriptQuery query;
  query.SetAllowRange(true);
  EXPECT_EQ(U8(query.GetCommands(Prepared(GetParam().text))), Lines(GetParam().lines));
}

INSTANTIATE_TEST_SUITE_P(Ranges, RangeScan,
                         ::testing::Values(ScanCase{"ref1-3", {"=3", "=3", "Subscript"}},
                                           ScanCase{"ref1~3", {"=3", "=3", "Subscript"}},
                                           ScanCase{"ref1-a", {"=3", "=1", "Subscript"}},
                                           ScanCase{"a1-2-3", {"=1", "=3", "Subscript"}},
                                           ScanCase{"x12-345", {"=1", "=6", "Subscript"}},
                                           ScanCase{"x1-", {"=1", "=1", "Subscript"}},
                                           ScanCase{"x1~", {"=1", "=1", "Subscript"}}));

TEST(SubscriptScan, WritesItsCommandWord) {
  ChemSubscriptQuery query;
  query.SetCommand(u"Bold");
  EXPECT_EQ(U8(query.GetCommands(Prepared("H2"))), Lines({"=1", "=1", "Bold"}));
}

TEST(SubscriptScan, ReadsAnArrayWithoutTheAppendedBlank) {
  // The terminating 0 of the array ends a run at the very end.
  EXPECT_EQ(U8(ChemSubscriptQuery().GetCommands(u"H2")), Lines({"=1", "=1", "Subscript"}));
  EXPECT_EQ(U8(ChemSubscriptQuery().GetCommands(u"")), "");
}

class ChargeScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ChargeScan, SignsAfterABase) {
  const ChemSuperscriptQuery query;
  EXPECT_EQ(U8(query.GetCommands(Prepared(GetParam().text))), Lines(GetParam().lines));
}

INSTANTIATE_TEST_SUITE_P(
    Charges, ChargeScan,
    ::testing::Values(ScanCase{"SO42-", {"=3", "=2", "Superscript"}},
                      ScanCase{"NH4+", {"=2", "=2", "Superscript"}},  // the 4 is the charge
                      ScanCase{"(NH4)+", {"=5", "=1", "Superscript"}},
                      ScanCase{"Cl-", {"=2", "=1", "Superscript"}},
                      ScanCase{"O2--", {"=1", "=2", "Superscript"}},
                      ScanCase{"Fe3+", {"=2", "=2", "Superscript"}},
                      ScanCase{"Na1+", {"=3", "=1", "Superscript"}},  // 1 is no charge number
                      ScanCase{"Na8+", {"=3", "=1", "Superscript"}},
                      ScanCase{"Na9-", {"=3", "=1", "Superscript"}},
                      ScanCase{"Na0+", {"=3", "=1", "Superscript"}}, ScanCase{"2+", {}},
                      ScanCase{"22+", {}}, ScanCase{"Na +", {}},
                      ScanCase{"+H", {}},  // index 0 is never a sign
                      ScanCase{"}7+", {"=1", "=2", "Superscript"}}, ScanCase{"", {}}));

class TripleBondScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(TripleBondScan, ReplacesHashAndStar) {
  const TripleBondTransQuery query;
  EXPECT_EQ(U8(query.GetCommands(Prepared(GetParam().text))), Lines(GetParam().lines));
}

INSTANTIATE_TEST_SUITE_P(
    Signs, TripleBondScan,
    ::testing::Values(ScanCase{"HC#CH", {"=2", "=8801", "ReplaceChar"}},
                      ScanCase{"#", {"=0", "=8801", "ReplaceChar"}},
                      ScanCase{"CuSO4*5H2O", {"=5", "=-155", "ReplaceChar"}},
                      ScanCase{"#*", {"=0", "=8801", "ReplaceChar", "=1", "=-155", "ReplaceChar"}},
                      ScanCase{"\xEF\xBC\x83", {"=0", "=8801", "ReplaceChar"}},  // full-width #
                      ScanCase{"H2O", {}}));

struct KeywordCase {
  std::string keywords;
  int32_t primeMode;
  std::string text;
  std::vector<std::string> lines;
};

void PrintTo(const KeywordCase& row, std::ostream* out) {
  *out << row.text;
}

class KeywordScan : public ::testing::TestWithParam<KeywordCase> {};

TEST_P(KeywordScan, WholeLetterWordsOfTheList) {
  ChemKeywordsQuery query;
  query.SetKeywords(U16(GetParam().keywords));
  query.SetPrimeMode(GetParam().primeMode);
  EXPECT_EQ(U8(query.GetCommands(Prepared(GetParam().text))), Lines(GetParam().lines));
}

const std::string kPrefixes = U8(kDefaultPrefixList);
const std::string kElements = U8(kElementKeywords);

INSTANTIATE_TEST_SUITE_P(
    Words, KeywordScan,
    ::testing::Values(
        KeywordCase{kElements, 1, "N,N'-dimethyl", {"=0", "=1", "Italic", "=2", "=2", "Italic"}},
        KeywordCase{kElements, 0, "N,N'-dimethyl", {"=0", "=1", "Italic", "=2", "=1", "Italic"}},
        KeywordCase{kElements, 1, "N''", {"=0", "=3", "Italic"}},
        KeywordCase{kPrefixes, 0, "cis", {"=0", "=3", "Italic"}},
        KeywordCase{kPrefixes, 0, "Cis", {}},
        KeywordCase{kPrefixes, 0, "transoid", {"=0", "=8", "Italic"}},
        KeywordCase{kPrefixes, 0, "isopropyl", {}},
        KeywordCase{kPrefixes, 0, "t-Bu", {"=0", "=1", "Italic"}},
        KeywordCase{kPrefixes, 0, "2-tert-butyl", {"=2", "=4", "Italic"}},
        // "t" is in the list twice and still gives one unit a word.
        KeywordCase{kPrefixes, 0, "t t", {"=0", "=1", "Italic", "=2", "=1", "Italic"}},
        KeywordCase{"t|t", 0, "t-Bu", {"=0", "=1", "Italic"}},
        // Only whole words of ASCII letters are compared with the list.
        KeywordCase{"n-|n 1|cis ", 0, "n-Bu n 1 cis ", {}},
        KeywordCase{"cis",
                    0,
                    "\xC3\xA9"
                    "cis",
                    {"=1", "=3", "Italic"}},
        KeywordCase{"cis", 0, "cis2cis", {"=0", "=3", "Italic", "=4", "=3", "Italic"}},
        KeywordCase{"", 0, "cis", {}}, KeywordCase{"|", 0, "a|b", {}}));

TEST(KeywordScan, ANewListReplacesTheOld) {
  ChemKeywordsQuery query;
  query.SetKeywords(u"cis");
  query.SetKeywords(u"trans");
  EXPECT_EQ(U8(query.GetCommands(Prepared("cis trans"))), Lines({"=4", "=5", "Italic"}));
}

TEST(KeywordScan, WithoutAListNothingMatches) {
  const ChemKeywordsQuery query;
  EXPECT_EQ(query.GetCommands(Prepared("cis trans N")), u"");
}

TEST(KeywordScan, AWordEndingTheArrayIsRead) {
  ChemKeywordsQuery query;
  query.SetKeywords(u"N");
  query.SetPrimeMode(ChemKeywordsQuery::kKeywordWithPrimes);
  query.SetCommand(u"Chemical Italic");
  EXPECT_EQ(U8(query.GetCommands(u"N'")), Lines({"=0", "=2", "Chemical Italic"}));
}

TEST(SharedQueries, DefaultsOfEachKind) {
  // A fresh thread: no query object has written a command word into its instances yet.
  std::thread([] {
    EXPECT_EQ(SharedSubscriptQuery()->Command(), u"Subscript");
    EXPECT_FALSE(SharedSubscriptQuery()->AllowRange());
    EXPECT_EQ(SharedSuperscriptQuery()->Command(), u"Superscript");
    EXPECT_EQ(SharedStereoQuery()->PrimeMode(), ChemKeywordsQuery::kKeywordAlone);
    EXPECT_EQ(SharedElementQuery()->PrimeMode(), ChemKeywordsQuery::kKeywordWithPrimes);
    EXPECT_EQ(SharedDLQuery()->PrimeMode(), ChemKeywordsQuery::kKeywordAlone);
    EXPECT_EQ(U8(SharedDLQuery()->GetCommands(Prepared("D L DL LD"))),
              Lines({"=0", "=1", "Italic", "=2", "=1", "Italic", "=4", "=2", "Italic"}));
    EXPECT_EQ(U8(SharedStereoQuery()->GetCommands(Prepared("E Z EZ ZE R S RS SR ER e"))),
              Lines({"=0",  "=1", "Italic", "=2",  "=1", "Italic", "=4",  "=2", "Italic",
                     "=7",  "=2", "Italic", "=10", "=1", "Italic", "=12", "=1", "Italic",
                     "=14", "=2", "Italic", "=17", "=2", "Italic"}));
  }).join();
}

TEST(SharedQueries, OneInstanceOfEachKindInAThread) {
  EXPECT_EQ(SharedSubscriptQuery(), SharedSubscriptQuery());
  EXPECT_EQ(SharedSuperscriptQuery(), SharedSuperscriptQuery());
  EXPECT_EQ(SharedTripleBondTransQuery(), SharedTripleBondTransQuery());
  EXPECT_EQ(SharedStereoQuery(), SharedStereoQuery());
  EXPECT_EQ(SharedElementQuery(), SharedElementQuery());
  EXPECT_EQ(SharedDLQuery(), SharedDLQuery());
  EXPECT_NE(SharedStereoQuery(), SharedDLQuery());
}

TEST(SharedQueries, EveryElementSymbolFrom1To103) {
  const std::vector<std::u16string> symbols = SplitText(kElementKeywords, u"|");
  ASSERT_EQ(symbols.size(), 103u);
  EXPECT_EQ(symbols.front(), u"H");
  EXPECT_EQ(symbols[25], u"Fe");
  EXPECT_EQ(symbols.back(), u"Lr");
  for (const std::u16string& symbol : symbols) {
    ChemKeywordsQuery query;
    query.SetKeywords(kElementKeywords);
    EXPECT_EQ(U8(query.GetCommands(Prepared(U8(u"2-" + symbol + u"-")))),
              Lines({"=2", "=" + std::to_string(symbol.size()), "Italic"}))
        << U8(symbol);
  }
}

}  // namespace
}  // namespace glyphwright
