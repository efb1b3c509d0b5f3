// Decimal numbers as text, rounded the way they are read: in decimal, half away from zero, so
// '7.255' is '7.26' with two decimals, whatever binary doubles would make of it.
#pragma once

#include <string>
#include <string_view>

namespace glyphwright {

// number ('-7.255', '7', '128.30') with exactly `decimals` digits behind the point, padded with
// zeros; a negative count keeps the number as typed.
std::u16string RoundedDecimal(std::u16string_view number, int decimals);

// The value of such a number, for ordering.
double DecimalValue(std::u16string_view number);

}  // namespace glyphwright
