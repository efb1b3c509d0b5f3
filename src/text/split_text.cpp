#include "text/lib.h"

namespace glyphwright {

void SplitText(std::u16string_view Text, std::u16string_view Separator,
               std::vector<std::u16string>& Parts) {
  Parts.clear();
  if (Separator.empty()) {
    Parts.emplace_back(Text);
    return;
  }
  size_t start = 0;
  for (size_t hit = Text.find(Separator); hit != std::u16string_view::npos;
       hit = Text.find(Separator, start)) {
    Parts.emplace_back(Text.substr(start, hit - start));
    start = hit + Separator.size();
  }
  Parts.emplace_back(Text.substr(start));
}

std::vector<std::u16string> SplitText(std::u16string_view Text, std::u16string_view Separator) {
  std::vector<std::u16string> parts;
  SplitText(Text, Separator, parts);
  return parts;
}

}  // namespace glyphwright
