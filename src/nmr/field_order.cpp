#include "nmr/field_order.h"

#include <algorithm>
#include <vector>

#include "text/lib.h"

namespace glyphwright {
namespace {

// A descriptor piece lower-cased, without the spaces around it.
std::u16string Token(std::u16string_view piece) {
  const std::size_t first = piece.find_first_not_of(u' ');
  if (first == std::u16string_view::npos) return {};
  const std::size_t last = piece.find_last_not_of(u' ');
  std::u16string token(piece.substr(first, last - first + 1));
  for (char16_t& c : token) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return token;
}

int32_t FieldOfToken(std::u16string_view token) {
  if (token == u"1h") return FieldCount;
  if (token == u"d") return FieldMultiplicity;
  if (token == u"j") return FieldCoupling;
  return -1;
}

}  // namespace

FieldOrder ParseFieldOrder(std::u16string_view fmt) {
  FieldOrder order;
  FieldArray& FieldAtPosition = order.FieldAtPosition;
  FieldArray& PositionOfField = order.PositionOfField;
  FieldAtPosition.fill(-1);
  PositionOfField.fill(-1);
  FieldAtPosition[FieldShift] = PositionOfField[FieldShift] = 0;
  FieldAtPosition[FieldTrailing] = PositionOfField[FieldTrailing] = 4;

  const std::vector<std::u16string> pieces = SplitText(fmt, u",");
  if (pieces.size() == 3) {
    for (int32_t i = 0; i < 3; ++i) {
      const int32_t field = FieldOfToken(Token(pieces[i]));
      if (field < 0) continue;
      FieldAtPosition[i + 1] = field;
      PositionOfField[field] = i + 1;  // a field named twice keeps its later position
    }
    if (std::find(FieldAtPosition.begin(), FieldAtPosition.end(), -1) == FieldAtPosition.end()) {
      return order;
    }
  }
  for (int32_t field = FieldCount; field <= FieldCoupling; ++field) {
    FieldAtPosition[field] = PositionOfField[field] = field;
  }
  return order;
}

std::u16string FieldOrderToText(const FieldArray& FieldAtPosition) {
  std::u16string text;
  for (int32_t position = 1; position <= 4; ++position) {
    switch (FieldAtPosition[position]) {
      case FieldCount:
        text += u"1H, ";
        break;
      case FieldMultiplicity:
        text += u"d, ";
        break;
      case FieldCoupling:
        text += u"J, ";
        break;
      default:
        break;
    }
  }
  if (text.size() >= 2) text.resize(text.size() - 2);
  return text;
}

}  // namespace glyphwright
