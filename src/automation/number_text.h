// Text-number conversions of the automation run time, always in the C locale: a script means the
// same on a German or a Japanese machine.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace glyphwright {

// Blanks (space, tab, CR, LF, VT, FF) around an optional sign, digits with an optional fraction
// (".5" and "5." count) and an optional exponent. Raises 13 for anything else, 6 when the value
// is beyond a double.
double TextToDouble(std::u16string_view text);

// An integral value within 15 digits prints without a decimal point ("7", "-1"), others with up
// to 15 significant digits ("0.1", "1E+20", "1.5E-07"). Negative zero prints as "0".
std::u16string DoubleToText(double value);

// Decimal digits with a leading "-" for negative values, nothing else.
std::u16string IntegerToText(int64_t value);
void AppendInteger(std::u16string& out, int64_t value);
// The same digits written into the caller's room, for a caller that writes numbers by the
// million and keeps none of them: the answer lives as long as the room.
using IntegerRoom = std::array<char16_t, 20>;  // a sign and 19 digits
std::u16string_view IntegerDigits(int64_t value, IntegerRoom& room);

// True, with its value, when text is exactly what IntegerToText writes for some value: digits
// without a leading zero, "-" before them for a negative value, nothing else. " 5", "+5", "05",
// "-0" and "5.0" are numbers to TextToDouble but not such texts.
bool ParseIntegerText(std::u16string_view text, int64_t& value);

namespace number_text_detail {
double LargeIntegerToDouble(int64_t value);
int32_t RoundToLong(double value);
}  // namespace number_text_detail

// The double TextToDouble reads from IntegerToText(value): the value itself up to 2^53, beyond
// that rounded as the text would be.
inline double IntegerToDouble(int64_t value) {
  constexpr int64_t kExact = int64_t{1} << 53;
  if (value >= -kExact && value <= kExact) return static_cast<double>(value);
  return number_text_detail::LargeIntegerToDouble(value);
}

// Banker's rounding (halves to even) into a 32-bit integer; raises 6 when out of range.
inline int32_t DoubleToLong(double value) {
  // A whole number in range, as nearly every offset is, needs no rounding; inline, the several
  // conversions of one word cost a comparison each.
  if (value >= -2147483648.0 && value <= 2147483647.0) {
    const auto whole = static_cast<int32_t>(value);
    if (whole == value) return whole;
  }
  return number_text_detail::RoundToLong(value);
}

}  // namespace glyphwright
