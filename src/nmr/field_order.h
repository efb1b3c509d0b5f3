// The order of the items of an NMR peak. A peak is a shift followed by up to four items: the
// nucleus count ('1H'), the multiplicity ('d'), the coupling constants ('J = 8.0 Hz') and a
// trailing item. The shift always comes first and the trailing item last; a descriptor such as
// "1H, d, J" gives the order of the three in between.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace glyphwright {

// Field codes.
constexpr int32_t FieldShift = 0;
constexpr int32_t FieldCount = 1;
constexpr int32_t FieldMultiplicity = 2;
constexpr int32_t FieldCoupling = 3;
constexpr int32_t FieldTrailing = 4;
constexpr int32_t kFieldCount = 5;

// Indexed by position (FieldAtPosition) or by field code (PositionOfField); -1 is "none".
using FieldArray = std::array<int32_t, kFieldCount>;

// One parsed descriptor. The default is the order written "1H, d, J".
struct FieldOrder {
  FieldArray FieldAtPosition = {0, 1, 2, 3, 4};
  // -1 for a field the descriptor left out because it named another one twice.
  FieldArray PositionOfField = {0, 1, 2, 3, 4};
};

// Module GlyphwrightLib. Three comma-separated tokens "1H", "d", "J" in any order, compared
// ignoring letter case and surrounding spaces. Anything else gives the default order; a
// descriptor that names a field twice is kept as it is. Never fails.
FieldOrder ParseFieldOrder(std::u16string_view fmt);

// The descriptor of an order: "1H, d, J".
std::u16string FieldOrderToText(const FieldArray& FieldAtPosition);

}  // namespace glyphwright
