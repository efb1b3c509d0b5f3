// The keyword lookup must answer exactly as comparing a word with every keyword in turn.
#include "chem/keyword_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace glyphwright {
namespace {

bool InListOneByOne(const std::vector<std::u16string>& keywords, std::u16string_view word) {
  return std::find(keywords.begin(), keywords.end(), word) != keywords.end();
}

std::u16string RandomWord(std::mt19937& random, std::u16string_view alphabet, int maxLength) {
  std::uniform_int_distribution<int> length(0, maxLength);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::u16string word;
  for (int i = length(random); i > 0; --i) word.push_back(alphabet[pick(random)]);
  return word;
}

TEST(KeywordSet, AnswersAsTheFirstMatchRuleForLetterWords) {
  std::mt19937 random(20240611);
  // Few letters, so that words often hit; some keywords hold a digit, a blank or nothing.
  constexpr std::u16string_view kKeywordAlphabet = u"abAB1 ";
  constexpr std::u16string_view kWordAlphabet = u"abAB";
  for (int round = 0; round < 200; ++round) {
    std::vector<std::u16string> keywords;
    for (int i = std::uniform_int_distribution<int>(0, 300)(random); i > 0; --i) {
      keywords.push_back(RandomWord(random, kKeywordAlphabet, 5));
    }
    const KeywordSet set(keywords);
    for (int i = 0; i < 200; ++i) {
      const std::u16string word = RandomWord(random, kWordAlphabet, 6);
      if (word.empty()) continue;  // the scan never asks about an empty word
      ASSERT_EQ(set.Contains(word), InListOneByOne(keywords, word));
    }
  }
}

TEST(KeywordSet, KeywordsThatNoLetterWordCanEqualAreLeftOut) {
  const std::vector<std::u16string> keywords = {u"", u"n-", u"cis ", u"1H", u"\u00E9"};
  const KeywordSet set(keywords);
  EXPECT_TRUE(set.Empty());
  EXPECT_FALSE(set.Contains(u"n"));
  EXPECT_FALSE(set.Contains(u"cis"));
}

TEST(KeywordSet, LongWordsAndLongKeywords) {
  const std::u16string longKeyword(100, u'a');
  const std::vector<std::u16string> keywords = {longKeyword, u"b"};
  const KeywordSet set(keywords);
  EXPECT_TRUE(set.Contains(longKeyword));
  EXPECT_FALSE(set.Contains(std::u16string(99, u'a')));
  EXPECT_FALSE(set.Contains(std::u16string(101, u'a')));
  EXPECT_TRUE(set.Contains(u"b"));
  EXPECT_FALSE(set.Contains(u"B"));
}

}  // namespace
}  // namespace glyphwright
