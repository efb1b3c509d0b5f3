#include "text/case_fold.h"
#include "text/lib.h"

namespace glyphwright {

std::u16string ReplaceText(std::u16string_view Text, std::u16string_view Find,
                           std::u16string_view Replacement) {
  if (Find.empty()) return std::u16string(Text);
  std::u16string result;
  result.reserve(Text.size());
  std::size_t start = 0;
  for (std::size_t hit = FindIgnoringCase(Text, Find); hit != std::u16string_view::npos;
       hit = FindIgnoringCase(Text, Find, start)) {
    result.append(Text.substr(start, hit - start)).append(Replacement);
    start = hit + Find.size();
  }
  result.append(Text.substr(start));
  return result;
}

}  // namespace glyphwright
