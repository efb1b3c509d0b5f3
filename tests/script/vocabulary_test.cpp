// Every word is found by its own text and by nothing near it, and the words that pop two numbers
// are exactly those whose first step is PopNumbers.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "script/vocabulary.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

constexpr int kWords = static_cast<int>(Word::Select);

TEST(VocabularyTest, EveryWordAndNoNearMiss) {
  for (int i = 1; i <= kWords; ++i) {
    const auto word = static_cast<Word>(i);
    const std::u16string text(WordText(word));
    ASSERT_FALSE(text.empty()) << i;
    EXPECT_EQ(FindWord(text), word) << Utf16ToUtf8(text);
    const std::u16string misses[] = {
        text.substr(0, text.size() - 1),
        text.substr(1),
        text + u"s",
        u" " + text,
        text + u"\r",
        std::u16string(1, static_cast<char16_t>(text[0] ^ 0x20)) + text.substr(1),
        text.substr(0, text.size() - 1) + static_cast<char16_t>(text.back() + 1),
    };
    for (const std::u16string& miss : misses) {
      EXPECT_EQ(FindWord(miss), Word::None) << Utf16ToUtf8(miss);
    }
  }
  EXPECT_EQ(FindWord(u"Chemical Italics"), Word::None);
  EXPECT_EQ(FindWord(std::u16string(5000, u'x')), Word::None);
  EXPECT_EQ(FindWord(std::u16string(u"Pop\0", 4)), Word::None);
}

TEST(VocabularyTest, TheWordsThatTakeTwoNumbers) {
  const std::set<Word> numbers = {
      Word::Plus,  Word::Minus,  Word::NormalScript, Word::Subscript,      Word::Superscript,
      Word::Small, Word::Italic, Word::Bold,         Word::ChemicalItalic, Word::ChemicalSmall,
      Word::Copy,  Word::Cut,    Word::Delete,       Word::Select};
  for (int i = 0; i <= kWords; ++i) {
    const auto word = static_cast<Word>(i);
    EXPECT_EQ(TakesTwoNumbers(word), numbers.count(word) == 1) << Utf16ToUtf8(WordText(word));
  }
}

}  // namespace
}  // namespace glyphwright
