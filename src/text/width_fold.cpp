#include "text/lib.h"

namespace glyphwright {
namespace {

// Small form variants U+FE50..U+FE6B in code order. The two unassigned codes (U+FE53, U+FE67)
// hold a "?" that is never used, since those codes are returned unchanged.
constexpr std::u16string_view kSmallForms = u",\u3001.?;:?!?(){}[]#&*+-<>=?\\$%@";
static_assert(kSmallForms.size() == 28);

}  // namespace

char16_t ToHalfWidthChar(char16_t Code) {
  if (Code == u'\u2019') return u'\'';
  if (Code == u'\u3000') return u' ';
  if (Code >= 0xFE50 && Code <= 0xFE6B && Code != 0xFE53 && Code != 0xFE67) {
    return kSmallForms[Code - 0xFE50];
  }
  // The whole block up to U+FF5F: U+FF00 becomes a blank and U+FF5F becomes U+007F.
  if (Code >= 0xFF00 && Code <= 0xFF5F) return static_cast<char16_t>(Code - 0xFEE0);
  if (Code >= 0xFF61 && Code <= 0xFF9F) return u'?';
  switch (Code) {
    case 0xFFE0:
      return 0x00A2;
    case 0xFFE1:
      return 0x00A3;
    case 0xFFE2:
      return 0x00AC;
    case 0xFFE3:
      return 0x00AF;
    case 0xFFE4:
      return 0x00A6;
    case 0xFFE5:
      return 0x00A5;
    case 0xFFE8:
      return u'|';
    default:
      break;
  }
  if (Code >= 0xFFE9 && Code <= 0xFFEC) return static_cast<char16_t>(Code - 0xFFE9 + 0x2190);
  return Code;
}

std::u16string ToHalfWidth(std::u16string_view Text) {
  // Most texts are copied and only looked at.
  std::u16string folded(Text);
  for (char16_t& code : folded) {
    if (code >= kFirstFoldedCode) code = ToHalfWidthChar(code);
  }
  return folded;
}

}  // namespace glyphwright
