#include "elements/element_table.h"

#include <cstdint>
#include <iterator>

#include "elements/element_list.h"

namespace glyphwright {
namespace {

// Every symbol is a capital with at most one lowercase letter after it: for each capital and
// what follows it (0 for nothing, 1 + k for the k-th lowercase letter), the element's place in
// the list plus one, 0 where no element is written so.
struct SymbolIndex {
  uint8_t place[26][27] = {};
};

static_assert(std::size(kElementList) < 255, "an element's place must fit the index");

constexpr SymbolIndex MakeIndex() {
  SymbolIndex index;
  for (std::size_t i = 0; i < std::size(kElementList); ++i) {
    const std::u16string_view symbol = kElementList[i].symbol;
    const int second = symbol.size() == 1 ? 0 : 1 + (symbol[1] - u'a');
    index.place[symbol[0] - u'A'][second] = static_cast<uint8_t>(i + 1);
  }
  return index;
}
constexpr SymbolIndex kSymbolIndex = MakeIndex();

}  // namespace

std::span<const ElementData> Elements() {
  return kElementList;
}

const ElementData* FindElement(std::u16string_view symbol) {
  if (symbol.empty() || symbol.size() > 2 || symbol[0] < u'A' || symbol[0] > u'Z') return nullptr;
  int second = 0;
  if (symbol.size() == 2) {
    if (symbol[1] < u'a' || symbol[1] > u'z') return nullptr;
    second = 1 + (symbol[1] - u'a');
  }
  const int place = kSymbolIndex.place[symbol[0] - u'A'][second];
  return place == 0 ? nullptr : &kElementList[place - 1];
}

}  // namespace glyphwright
