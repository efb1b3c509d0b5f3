#include "characterisation/adduct.h"

#include "characterisation/text_scan.h"
#include "text/char_class.h"

namespace glyphwright {
namespace {

// The longest bracket content that is read as an adduct ('2M + CH3CN + Na' fits).
constexpr std::size_t kMaxInner = 40;

bool IsSign(char16_t c) {
  return c == u'+' || c == u'-' || c == u'\u2212' || c == u'\u2013';
}
bool IsRadical(char16_t c) {
  return c == u'\u2022' || c == u'\u00B7';
}

// Signs with an optional count before them and a radical dot before or after, from pos:
// returns the end and sets charge (0 when no sign stands there).
std::size_t ReadCharge(std::u16string_view text, std::size_t pos, int& charge) {
  std::size_t p = pos;
  int magnitude = 0;
  while (p < text.size() && IsAsciiDigit(text[p]) && p - pos < 2) {
    magnitude = magnitude * 10 + (text[p] - u'0');
    ++p;
  }
  if (p < text.size() && IsRadical(text[p])) ++p;
  if (p >= text.size() || !IsSign(text[p])) {
    charge = 0;
    return pos;
  }
  const bool plus = text[p] == u'+';
  int signs = 0;
  while (p < text.size() && IsSign(text[p]) && (text[p] == u'+') == plus) {
    ++p;
    ++signs;
  }
  if (p < text.size() && IsRadical(text[p])) ++p;
  if (magnitude == 0) magnitude = signs;
  charge = plus ? magnitude : -magnitude;
  return p;
}

}  // namespace

bool ReadAdduct(std::u16string_view text, std::size_t pos, Adduct& adduct) {
  if (pos >= text.size()) return false;
  const char16_t open = text[pos];
  const char16_t close = open == u'[' ? u']' : open == u'(' ? u')' : 0;
  if (close == 0) return false;
  std::size_t p = pos + 1;
  while (p < text.size() && IsAsciiDigit(text[p])) ++p;
  if (p >= text.size() || text[p] != u'M' || (p + 1 < text.size() && IsLowerChar(text[p + 1]))) {
    return false;
  }
  std::size_t closeAt = p + 1;
  while (closeAt < text.size() && text[closeAt] != close) {
    const char16_t c = text[closeAt];
    if (c == u'[' || c == u'(' || c == u']' || c == u')' || closeAt - pos > kMaxInner) {
      return false;
    }
    ++closeAt;
  }
  if (closeAt >= text.size()) return false;
  adduct.start = pos;
  adduct.inner = text.substr(pos + 1, closeAt - pos - 1);
  adduct.chargeStart = closeAt + 1;
  adduct.chargeEnd = ReadCharge(text, closeAt + 1, adduct.charge);
  adduct.end = adduct.chargeEnd;
  if (adduct.charge == 0) {
    // '(M+)', '(M+•)': the charge ends the content.
    std::size_t s = closeAt;
    while (s > p + 1 && (IsSign(text[s - 1]) || IsRadical(text[s - 1]))) --s;
    if (s < closeAt && s == p + 1) {
      ReadCharge(text, s, adduct.charge);
      adduct.chargeStart = s;
      adduct.chargeEnd = closeAt;
      adduct.end = closeAt + 1;
    } else {
      adduct.chargeStart = adduct.chargeEnd = closeAt + 1;
      adduct.end = closeAt + 1;
    }
  }
  return true;
}

bool AdductAdds(const Adduct& adduct, std::u16string_view symbol) {
  const std::u16string_view inner = adduct.inner;
  bool adding = false;
  for (std::size_t i = 0; i < inner.size(); ++i) {
    const char16_t c = inner[i];
    if (c == u'+') {
      adding = true;
    } else if (IsSign(c)) {
      adding = false;
    } else if (adding && c >= u'A' && c <= u'Z') {
      std::size_t end = i + 1;
      if (end < inner.size() && IsLowerChar(inner[end])) ++end;
      if (inner.substr(i, end - i) == symbol) return true;
      i = end - 1;
    }
  }
  return false;
}

}  // namespace glyphwright
