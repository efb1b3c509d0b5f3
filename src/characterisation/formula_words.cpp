#include "characterisation/formula_words.h"

#include "characterisation/formula.h"
#include "characterisation/text_scan.h"

namespace glyphwright {
namespace {

// The longest word tried as a formula: longer ones are no formula anyone types.
constexpr std::size_t kMaxWord = 200;

bool IsOpening(char16_t c) {
  return c == u'(' || c == u'[' || c == u'{';
}
bool IsClosing(char16_t c) {
  return c == u')' || c == u']' || c == u'}';
}
bool IsWordChar(char16_t c) {
  return IsAsciiLetter(c) || IsAsciiDigit(c) || IsOpening(c) || IsClosing(c) || c == u'\u00B7';
}
bool IsSign(char16_t c) {
  return c == u'+' || c == u'-' || c == u'\u2212';
}
bool IsRadical(char16_t c) {
  return c == u'\u2022';
}

int Balance(std::u16string_view text, std::size_t start, std::size_t end) {
  int balance = 0;
  for (std::size_t i = start; i < end; ++i) {
    if (IsOpening(text[i])) ++balance;
    if (IsClosing(text[i])) --balance;
  }
  return balance;
}

// The length of a charge at pos: signs with a radical dot before or after, followed by
// something that ends a word. 0 when none stands there.
std::size_t ChargeAt(std::u16string_view text, std::size_t pos) {
  std::size_t p = pos;
  if (p < text.size() && IsRadical(text[p])) ++p;
  const std::size_t signs = p;
  while (p < text.size() && IsSign(text[p]) && p - signs < 3) ++p;
  if (p == signs) return 0;
  if (p < text.size() && IsRadical(text[p])) ++p;
  if (p < text.size() && (IsWordChar(text[p]) || IsSign(text[p]))) return 0;
  return p - pos;
}

bool IsFormula(std::u16string_view word) {
  bool hasDigit = false;
  for (char16_t c : word) hasDigit = hasDigit || IsAsciiDigit(c);
  if (!hasDigit) return false;
  const FormulaResult result = ParseFormula(word);
  return result.ok && result.formula.counts.size() >= 2;
}

}  // namespace

std::vector<FormulaWord> FindFormulaWords(std::u16string_view text) {
  std::vector<FormulaWord> words;
  std::size_t i = 0;
  while (i < text.size()) {
    if (!IsWordChar(text[i])) {
      ++i;
      continue;
    }
    std::size_t start = i;
    std::size_t end = i;
    // A point between digits belongs to a solvate's multiplier (C8H9NO·0.5H2O).
    while (end < text.size() && (IsWordChar(text[end]) ||
                                 (text[end] == u'.' && end > start && IsAsciiDigit(text[end - 1]) &&
                                  end + 1 < text.size() && IsAsciiDigit(text[end + 1])))) {
      ++end;
    }
    i = end;
    // A word glued to a letter that is no ASCII one ('[α]D20') is no formula.
    if (start > 0 && text[start - 1] > 0x7F && text[start - 1] != u'\u00B7' &&
        !IsBlank(text[start - 1])) {
      continue;
    }
    if (end - start > kMaxWord) continue;
    // The brackets of the sentence around a formula are not the formula's.
    while (start < end && IsClosing(text[start])) ++start;
    while (end > start && IsOpening(text[end - 1])) --end;
    while (start < end && IsOpening(text[start]) && Balance(text, start, end) > 0) ++start;
    while (end > start && IsClosing(text[end - 1]) && Balance(text, start, end) < 0) --end;
    if (start == end ||
        (!(text[start] >= u'A' && text[start] <= u'Z') && !IsOpening(text[start]))) {
      continue;
    }
    if (!IsFormula(text.substr(start, end - start))) continue;
    words.push_back({start, end - start, end == i ? ChargeAt(text, end) : 0});
  }
  return words;
}

}  // namespace glyphwright
