#include "journal/number_readers.h"

namespace glyphwright::journal {

char16_t At(const CodeArray& chars, int32_t k) {
  return k >= 0 && static_cast<std::size_t>(k) < chars.size() ? chars[k] : u'\0';
}

int32_t Length(std::u16string_view piece) {
  return static_cast<int32_t>(piece.size());
}

std::u16string_view ReadDigitRun(const CodeArray& chars, int32_t start) {
  int32_t end = start;
  while (IsDigitChar(At(chars, end))) ++end;
  if (end == start) return {};
  return std::u16string_view(chars).substr(start, end - start);
}

std::u16string_view ReadParenDigits(const CodeArray& chars, int32_t start) {
  if (At(chars, start) != u'(') return {};
  const int32_t digits = Length(ReadDigitRun(chars, start + 1));
  if (digits == 0 || At(chars, start + 1 + digits) != u')') return {};
  return std::u16string_view(chars).substr(start, digits + 2);
}

std::u16string_view ReadNumberWithParen(const CodeArray& chars, int32_t start, int32_t& digitCount,
                                        bool& hasParen) {
  digitCount = Length(ReadDigitRun(chars, start));
  const int32_t parenLength = Length(ReadParenDigits(chars, start + digitCount));
  hasParen = parenLength > 0;
  if (digitCount + parenLength == 0) return {};
  return std::u16string_view(chars).substr(start, digitCount + parenLength);
}

}  // namespace glyphwright::journal
