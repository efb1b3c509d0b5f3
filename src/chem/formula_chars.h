// The character classes of the formula scans, on top of the ASCII classes of the text helpers.
#pragma once

#include "text/char_class.h"

namespace glyphwright {

// What a count or a charge may follow: an atom symbol's letter or a closed group.
constexpr bool IsFormulaBase(char16_t code) {
  return IsAlphaChar(code) || IsClosingBracket(code);
}

constexpr bool IsRangeSeparator(char16_t code) {
  return code == u'-' || code == u'~';
}

constexpr bool IsChargeSign(char16_t code) {
  return code == u'+' || code == u'-';
}

// Charges of 0, 1, 8 and 9 do not occur in formulas, so only these digits are read as one.
constexpr bool IsChargeNumber(char16_t code) {
  return code >= u'2' && code <= u'7';
}

}  // namespace glyphwright
