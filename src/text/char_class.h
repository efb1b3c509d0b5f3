// Character classes of the text helpers. They are ASCII-only on purpose: full-width digits and
// letters only count once ToHalfWidth has folded them.
#pragma once

namespace glyphwright {

constexpr bool IsDigitChar(char16_t code) {
  return code >= u'0' && code <= u'9';
}

constexpr bool IsUpperChar(char16_t code) {
  return code >= u'A' && code <= u'Z';
}

constexpr bool IsLowerChar(char16_t code) {
  return code >= u'a' && code <= u'z';
}

constexpr bool IsAlphaChar(char16_t code) {
  return IsUpperChar(code) || IsLowerChar(code);
}

constexpr bool IsAlnumChar(char16_t code) {
  return IsDigitChar(code) || IsAlphaChar(code);
}

constexpr bool IsOpeningBracket(char16_t code) {
  return code == u'(' || code == u'[' || code == u'{';
}

constexpr bool IsClosingBracket(char16_t code) {
  return code == u')' || code == u']' || code == u'}';
}

// NUL and every control character count as space, so the terminator of a code array does too.
// The no-break space U+00A0 does not.
constexpr bool IsSpaceChar(char16_t code) {
  return code <= u' ' || code == u'\u3000';
}

}  // namespace glyphwright
