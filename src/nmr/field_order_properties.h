// SpecFormat and TableFormat, the two field orders both NMR queries hold: the order of the items
// inside a peak's parentheses, and the order of the table's middle columns. A put replaces the
// whole order; only the arrays are kept, not the descriptor. Both start in the default order.
#pragma once

#include <string>
#include <string_view>

#include "nmr/field_order.h"

namespace glyphwright {

class FieldOrderProperties {
 public:
  // "1H, d, J" until a put says otherwise.
  std::u16string SpecFormat() const { return FieldOrderToText(specOrder_.FieldAtPosition); }
  void SetSpecFormat(std::u16string_view fmt) { specOrder_ = ParseFieldOrder(fmt); }
  // There is no get.
  void SetTableFormat(std::u16string_view fmt) { tableOrder_ = ParseFieldOrder(fmt); }

 protected:
  FieldOrder specOrder_;
  FieldOrder tableOrder_;
};

}  // namespace glyphwright
