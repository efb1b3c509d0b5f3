#include "characterisation/text_scan.h"

#include <cstdio>
#include <cstdlib>

namespace glyphwright {

bool IsAsciiLetter(char16_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}
bool IsAsciiDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}
bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u2009' || c == u'\u202F';
}

bool HasWordAt(std::u16string_view text, std::size_t pos, std::u16string_view word) {
  if (pos + word.size() > text.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    char16_t c = text[pos + i];
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
    if (c != word[i]) return false;
  }
  return true;
}

std::size_t FindWord(std::u16string_view text, std::u16string_view word, std::size_t from,
                     std::size_t to) {
  if (to > text.size()) to = text.size();
  for (std::size_t pos = from; pos + word.size() <= to; ++pos) {
    if (HasWordAt(text, pos, word) && (pos == 0 || !IsAsciiLetter(text[pos - 1]))) return pos;
  }
  return std::u16string_view::npos;
}

std::size_t SkipBlanks(std::u16string_view text, std::size_t pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  return pos;
}

std::size_t SkipBlanksAnd(std::u16string_view text, std::size_t pos,
                          std::u16string_view punctuation) {
  while (pos < text.size() &&
         (IsBlank(text[pos]) || punctuation.find(text[pos]) != std::u16string_view::npos)) {
    ++pos;
  }
  return pos;
}

bool ReadDecimal(std::u16string_view text, std::size_t pos, DecimalNumber& number) {
  std::size_t end = pos;
  while (end < text.size() && IsAsciiDigit(text[end])) ++end;
  if (end == pos) return false;
  int decimals = 0;
  if (end + 1 < text.size() && text[end] == u'.' && IsAsciiDigit(text[end + 1])) {
    ++end;
    while (end < text.size() && IsAsciiDigit(text[end])) {
      ++end;
      ++decimals;
    }
  }
  // Longer digit runs are no measured value; reading them would only lose precision.
  if (end - pos > 30) return false;
  std::string digits;
  for (std::size_t i = pos; i < end; ++i) digits.push_back(static_cast<char>(text[i]));
  number.start = pos;
  number.end = end;
  number.value = std::strtod(digits.c_str(), nullptr);
  number.decimals = decimals;
  return true;
}

std::u16string FixedText(double value, int decimals) {
  char buffer[64];
  const int length = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::u16string text;
  for (int i = 0; i < length && i < static_cast<int>(sizeof buffer) - 1; ++i) {
    text.push_back(static_cast<char16_t>(static_cast<unsigned char>(buffer[i])));
  }
  return text;
}

}  // namespace glyphwright
