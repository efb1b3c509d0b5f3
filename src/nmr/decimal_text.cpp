#include "nmr/decimal_text.h"

#include <charconv>
#include <cstdlib>
#include <string>

namespace glyphwright {

std::u16string RoundedDecimal(std::u16string_view number, int decimals) {
  if (decimals < 0) return std::u16string(number);
  const bool negative = !number.empty() && number.front() == u'-';
  if (negative) number.remove_prefix(1);
  const std::size_t point = number.find(u'.');
  std::u16string whole(number.substr(0, point));
  std::u16string fraction(point == std::u16string_view::npos ? u"" : number.substr(point + 1));
  if (whole.empty()) whole.assign(1, u'0');

  const auto places = static_cast<std::size_t>(decimals);
  bool carry = fraction.size() > places && fraction[places] >= u'5';
  fraction.resize(places, u'0');
  // Carry from the last kept digit towards the front, through the point.
  std::u16string digits = whole;
  digits += fraction;
  for (std::size_t k = digits.size(); carry && k > 0; --k) {
    if (digits[k - 1] == u'9') {
      digits[k - 1] = u'0';
    } else {
      ++digits[k - 1];
      carry = false;
    }
  }
  if (carry) digits.insert(digits.begin(), u'1');
  std::u16string rounded = digits.substr(0, digits.size() - places);
  if (places > 0) {
    rounded += u'.';
    rounded.append(digits, digits.size() - places, places);
  }
  const bool zero = rounded.find_first_not_of(u"0.") == std::u16string::npos;
  if (negative && !zero) rounded.insert(rounded.begin(), u'-');
  return rounded;
}

double DecimalValue(std::u16string_view number) {
  std::string ascii;
  for (const char16_t c : number) ascii += c < 0x80 ? static_cast<char>(c) : '?';
  // Independent of the locale the host may have set: the point is always the decimal point.
  double value = 0.0;
#if __cpp_lib_to_chars >= 201611L
  std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
#else
  // A standard library without floating-point from_chars (the browser's) runs in the C locale
  // only, where strtod reads the same prefix.
  char* stop = nullptr;
  value = std::strtod(ascii.c_str(), &stop);
  if (stop == ascii.c_str()) value = 0.0;
#endif
  return value;
}

}  // namespace glyphwright
