#include "text/case_fold.h"

namespace glyphwright {
namespace {

constexpr char16_t Shift(char16_t code, int by) {
  return static_cast<char16_t>(code + by);
}

// Latin Extended-A pairs capitals and small letters as even/odd codes, except in the ranges
// U+0139..U+0148 and U+0179..U+017E, where the capital is the odd code.
char16_t FoldLatinExtendedA(char16_t code) {
  if (code == 0x0130) return u'i';    // capital I with dot above folds to plain i
  if (code == 0x0178) return 0x00FF;  // capital Y with diaeresis
  if (code == 0x017F) return u's';    // long s
  if (code == 0x0131 || code == 0x0138 || code == 0x0149) return code;  // no capital form
  const bool oddCapitals = (code >= 0x0139 && code <= 0x0148) || (code >= 0x0179 && code <= 0x017E);
  const bool isCapital = oddCapitals ? (code % 2 == 1) : (code % 2 == 0);
  return isCapital ? Shift(code, 1) : code;
}

}  // namespace

char16_t FoldCase(char16_t code) {
  if (code < 0x80) return (code >= u'A' && code <= u'Z') ? Shift(code, 0x20) : code;
  if (code < 0x100) {
    if (code == 0x00B5) return 0x03BC;  // micro sign folds to Greek small mu
    return (code >= 0x00C0 && code <= 0x00DE && code != 0x00D7) ? Shift(code, 0x20) : code;
  }
  if (code < 0x180) return FoldLatinExtendedA(code);
  if (code >= 0x0391 && code <= 0x03A9 && code != 0x03A2) return Shift(code, 0x20);
  if (code == 0x03C2) return 0x03C3;  // final sigma
  if (code >= 0x0400 && code <= 0x040F) return Shift(code, 0x50);
  if (code >= 0x0410 && code <= 0x042F) return Shift(code, 0x20);
  if (code >= 0xFF21 && code <= 0xFF3A) return Shift(code, 0x20);
  return code;
}

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    // Names are mostly looked up as they are spelt: equal units need no folding.
    if (a[i] != b[i] && FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

std::size_t FindIgnoringCase(std::u16string_view Text, std::u16string_view Find, std::size_t From) {
  if (Find.empty()) return From <= Text.size() ? From : std::u16string_view::npos;
  if (Find.size() > Text.size()) return std::u16string_view::npos;
  const char16_t first = FoldCase(Find.front());
  for (std::size_t at = From; at + Find.size() <= Text.size(); ++at) {
    if (FoldCase(Text[at]) != first) continue;
    std::size_t k = 1;
    while (k < Find.size() && FoldCase(Text[at + k]) == FoldCase(Find[k])) ++k;
    if (k == Find.size()) return at;
  }
  return std::u16string_view::npos;
}

}  // namespace glyphwright
