#include "automation/number_text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "automation/automation_error.h"

namespace glyphwright {
namespace {

constexpr bool IsBlank(char16_t c) {
  return c == u' ' || (c >= u'\t' && c <= u'\r');
}
constexpr bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// Longest number text worth parsing; longer inputs are rejected before any copying.
constexpr std::size_t kMaxNumberLength = 400;

// The decimal exponent of the first significant digit of a validated number text.
long LeadingDigitExponent(std::string_view number) {
  const std::size_t mark = number.find('e');
  long exponent = 0;
  if (mark != std::string_view::npos) {
    std::string_view digits = number.substr(mark + 1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
      digits.remove_prefix(1);
    for (char c : digits) exponent = std::min(exponent * 10 + (c - '0'), 100000L);
    if (negative) exponent = -exponent;
    number = number.substr(0, mark);
  }
  const std::size_t point = std::min(number.find('.'), number.size());
  const std::size_t first = number.find_first_of("123456789");
  if (first == std::string_view::npos) return -1;  // zero never overflows
  const long lead =
      first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
  return lead + exponent;
}

// Some standard libraries (the WebAssembly build's) convert only integers with <charconv>; their
// C library, whose only locale is "C", does the same job there. printf's "%.15G" is by
// definition what to_chars writes with the general format and 15 digits, but with "E".
struct ParsedDouble {
  double value;
  bool outOfRange;
  bool complete;
};

// Digits with at most one point and at most 15 digits in all: the digits are an integer that a
// double holds exactly, and so is the power of ten it is divided by; one division rounds
// correctly, as the full conversion would. This is the form of nearly every number in a script,
// and the full conversion is many times slower where the C library does it.
bool ParseShortDecimal(const char* begin, const char* end, double& value) {
  if (end - begin > 16) return false;
  int64_t digits = 0;
  int count = 0, decimals = -1;
  for (const char* at = begin; at != end; ++at) {
    if (*at == '.' && decimals < 0) {
      decimals = 0;
      continue;
    }
    if (*at < '0' || *at > '9' || ++count > 15) return false;
    digits = digits * 10 + (*at - '0');
    if (decimals >= 0) ++decimals;
  }
  static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  if (count == 0) return false;
  value = static_cast<double>(digits) / kPowersOfTen[decimals < 0 ? 0 : decimals];
  return true;
}

ParsedDouble ParseDouble(const char* begin, const char* end) {
  if (double value; ParseShortDecimal(begin, end, value)) return {value, false, true};
#if __cpp_lib_to_chars >= 201611L
  double value = 0;
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  return {value, ec == std::errc::result_out_of_range, ec == std::errc() && ptr == end};
#else
  const std::string copy(begin, end);
  char* stop = nullptr;
  errno = 0;
  const double value = std::strtod(copy.c_str(), &stop);
  const bool outOfRange = errno == ERANGE;
  return {value, outOfRange, !outOfRange && stop == copy.c_str() + copy.size()};
#endif
}

// The number in `buffer`, 15 significant digits, the exponent as "E"; answers its end.
char* WriteDouble(char* buffer, std::size_t size, double value) {
#if __cpp_lib_to_chars >= 201611L
  char* end = std::to_chars(buffer, buffer + size, value, std::chars_format::general, 15).ptr;
  std::replace(buffer, end, 'e', 'E');
  return end;
#else
  const int written = std::snprintf(buffer, size, "%.15G", value);
  return buffer + std::clamp(written, 0, static_cast<int>(size) - 1);
#endif
}

}  // namespace

double TextToDouble(std::u16string_view text) {
  // A few plain digits ("12") are most of the numbers a script holds: read at once.
  if (!text.empty() && text.size() <= 9) {
    int32_t value = 0;
    std::size_t i = 0;
    while (i < text.size() && IsDigit(text[i])) value = value * 10 + (text[i++] - u'0');
    if (i == text.size()) return value;
  }
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  if (end - begin > kMaxNumberLength) throw errors::TypeMismatch();

  // Validate the shape first: from_chars alone would also take "inf", "nan" and hex forms.
  std::array<char, kMaxNumberLength> ascii;
  std::size_t n = 0, i = begin;
  const auto copyWhile = [&](auto accept) {
    std::size_t count = 0;
    for (; i < end && accept(text[i]); ++i, ++count) ascii[n++] = static_cast<char>(text[i]);
    return count;
  };
  bool negative = false;
  if (i < end && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  std::size_t digits = copyWhile(IsDigit);
  if (i < end && text[i] == u'.') {
    ascii[n++] = '.';
    ++i;
    digits += copyWhile(IsDigit);
  }
  if (digits == 0) throw errors::TypeMismatch();
  if (i < end && (text[i] == u'e' || text[i] == u'E')) {
    ascii[n++] = 'e';
    ++i;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) ascii[n++] = static_cast<char>(text[i++]);
    if (copyWhile(IsDigit) == 0) throw errors::TypeMismatch();
  }
  if (i != end) throw errors::TypeMismatch();

  const ParsedDouble parsed = ParseDouble(ascii.data(), ascii.data() + n);
  double value = parsed.value;
  if (parsed.outOfRange) {
    // Underflow rounds to zero; overflow is the run time's overflow error.
    if (LeadingDigitExponent(std::string_view(ascii.data(), n)) > 0) throw errors::Overflow();
    value = 0;
  } else if (!parsed.complete) {
    throw errors::TypeMismatch();
  }
  return negative ? -value : value;
}

std::u16string DoubleToText(double value) {
  if (value == 0) return u"0";
  if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
    return IntegerToText(static_cast<int64_t>(value));
  }
  std::array<char, 64> buffer;
  const char* end = WriteDouble(buffer.data(), buffer.size(), value);
  return std::u16string(static_cast<const char*>(buffer.data()), end);
}

std::u16string_view IntegerDigits(int64_t value, IntegerRoom& room) {
  char16_t* const end = room.data() + room.size();
  char16_t* first = end;
  uint64_t rest = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  do {
    *--first = static_cast<char16_t>(u'0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  if (value < 0) *--first = u'-';
  return std::u16string_view(first, static_cast<std::size_t>(end - first));
}

void AppendInteger(std::u16string& out, int64_t value) {
  IntegerRoom room;
  out.append(IntegerDigits(value, room));
}

std::u16string IntegerToText(int64_t value) {
  std::u16string text;
  AppendInteger(text, value);
  return text;
}

bool ParseIntegerText(std::u16string_view text, int64_t& value) {
  const bool negative = !text.empty() && text.front() == u'-';
  const std::u16string_view digits = text.substr(negative ? 1 : 0);
  // 19 digits are the most an int64_t has; a leading zero only as "0" itself.
  if (digits.empty() || digits.size() > 19 || (digits.front() == u'0' && digits.size() > 1)) {
    return false;
  }
  uint64_t magnitude = 0;  // 19 digits stay below 2^64
  for (const char16_t c : digits) {
    if (!IsDigit(c)) return false;
    magnitude = magnitude * 10 + static_cast<uint64_t>(c - u'0');
  }
  constexpr uint64_t kLargest = uint64_t{1}
                                << 63;  // -2^63 is the one magnitude beyond the positive
  if (negative ? (magnitude == 0 || magnitude > kLargest) : magnitude >= kLargest) return false;
  value = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
  return true;
}

namespace number_text_detail {

double LargeIntegerToDouble(int64_t value) {
  IntegerRoom room;
  return TextToDouble(IntegerDigits(value, room));
}

int32_t RoundToLong(double value) {
  const double rounded = std::nearbyint(value);  // the default rounding mode: halves to even
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) throw errors::Overflow();
  return static_cast<int32_t>(rounded);
}

}  // namespace number_text_detail

}  // namespace glyphwright
