#include "text/lib.h"

namespace glyphwright {

std::u16string TrimText(std::u16string_view Text) {
  size_t first = 0;
  while (first < Text.size() && IsSpaceChar(Text[first])) ++first;
  size_t end = Text.size();
  while (end > first && IsSpaceChar(Text[end - 1])) --end;
  return std::u16string(Text.substr(first, end - first));
}

}  // namespace glyphwright
