#include "characterisation/element_table.h"

namespace glyphwright {

const ElementData* FindElement(std::u16string_view symbol) {
  for (const ElementData& element : Elements()) {
    if (element.symbol == symbol) return &element;
  }
  return nullptr;
}

}  // namespace glyphwright
