#include "text/lib.h"

namespace glyphwright {

void StringToChars(std::u16string_view Text, CodeArray& Chars) {
  Chars.assign(Text);
}

std::u16string CharsToString(const CodeArray& Chars, int32_t Start, int32_t Count) {
  if (Count <= 0) return {};
  return Chars.substr(static_cast<size_t>(Start), static_cast<size_t>(Count));
}

std::u16string CutAtNul(std::u16string_view S) {
  return std::u16string(S.substr(0, S.find(u'\0')));
}

}  // namespace glyphwright
