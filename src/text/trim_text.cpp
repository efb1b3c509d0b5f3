#include "text/lib.h"

namespace glyphwright {

std::u16string_view TrimStartView(std::u16string_view Text, CharClass isTrimmed) {
  std::size_t first = 0;
  while (first < Text.size() && isTrimmed(Text[first])) ++first;
  return Text.substr(first);
}

std::u16string_view TrimEndView(std::u16string_view Text, CharClass isTrimmed) {
  std::size_t end = Text.size();
  while (end > 0 && isTrimmed(Text[end - 1])) --end;
  return Text.substr(0, end);
}

std::u16string_view TrimView(std::u16string_view Text, CharClass isTrimmed) {
  return TrimEndView(TrimStartView(Text, isTrimmed), isTrimmed);
}

std::u16string TrimText(std::u16string_view Text) {
  return std::u16string(TrimView(Text));
}

}  // namespace glyphwright
