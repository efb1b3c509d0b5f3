// The one element list: every symbol found by its lookup and nothing else, and the prose
// recognisers' share of it (elements 1 to 103 and D).
#include "elements/element_table.h"

#include <gtest/gtest.h>

#include <string>

#include "prose/element_symbols.h"

namespace glyphwright {
namespace {

TEST(ElementTable, FindsEveryElementByItsSymbol) {
  ASSERT_EQ(Elements().size(), 119u);  // 1 (H) to 118 (Og), and D
  for (const ElementData& element : Elements()) {
    EXPECT_EQ(FindElement(element.symbol), &element)
        << std::string(element.symbol.begin(), element.symbol.end());
  }
  EXPECT_EQ(FindElement(u"D")->number, 1);
  EXPECT_EQ(FindElement(u"Og")->number, 118);
}

TEST(ElementTable, FindsNothingThatIsNoSymbol) {
  for (const std::u16string_view text : {u"", u"c", u"cl", u"CL", u"Xx", u"J", u"Q", u"C1", u"Cl ",
                                         u"Cla", u"1", u"\uFF23", u"C\u0301"}) {
    EXPECT_EQ(FindElement(text), nullptr) << std::string(text.begin(), text.end());
  }
}

// Every capital with every second letter: the lookup and a search of the list agree.
TEST(ElementTable, AgreesWithASearchOfTheList) {
  for (char16_t first = u'A'; first <= u'Z'; ++first) {
    for (char16_t second = 0; second < 0x80; ++second) {
      const std::u16string symbol =
          second == 0 ? std::u16string(1, first) : std::u16string{first, second};
      const ElementData* searched = nullptr;
      for (const ElementData& element : Elements()) {
        if (element.symbol == symbol) searched = &element;
      }
      EXPECT_EQ(FindElement(symbol), searched);
    }
  }
}

// Formulas in prose know the elements up to lawrencium and deuterium, not the heavier ones,
// whose symbols (Rf, Db, Ds ...) are mostly abbreviations in running text.
TEST(ProseElementSymbols, AreTheListUpToElement103) {
  int known = 0;
  for (const ElementData& element : Elements()) {
    const bool expected = element.number <= 103;
    EXPECT_EQ(prose::IsElementSymbol(element.symbol), expected)
        << std::string(element.symbol.begin(), element.symbol.end());
    // A heavy element reads as its capital alone where that is an element (Db as D, then b).
    const std::size_t capital = FindElement(element.symbol.substr(0, 1)) != nullptr ? 1 : 0;
    EXPECT_EQ(prose::ElementSymbolLength(element.symbol),
              expected ? element.symbol.size() : capital)
        << std::string(element.symbol.begin(), element.symbol.end());
    known += expected ? 1 : 0;
  }
  EXPECT_EQ(known, 104);
  EXPECT_EQ(prose::ElementSymbolLength(u"Rfx"), 0u);
  EXPECT_EQ(prose::ElementSymbolLength(u"Dsx"), 1u);  // D, deuterium, then s
  EXPECT_FALSE(prose::IsElementSymbol(u"Cl2"));
}

}  // namespace
}  // namespace glyphwright
