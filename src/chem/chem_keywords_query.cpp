#include "chem/chem_keywords_query.h"

namespace glyphwright {

void ChemKeywordsQuery::SetKeywords(std::u16string_view Words) {
  SplitText(Words, u"|", keywords_);
  lookup_ = KeywordSet(keywords_);
}

std::u16string ChemKeywordsQuery::GetCommands(const CodeArray& chars) const {
  ScriptWriter out;
  AppendCommands(chars, out);
  return std::move(out).Script();
}

void ChemKeywordsQuery::AppendCommands(const CodeArray& chars, ScriptWriter& out) const {
  if (lookup_.Empty()) return;
  const char16_t* c = chars.c_str();
  const std::size_t n = chars.size();
  std::size_t i = 0;
  while (i < n) {
    if (!IsAlphaChar(c[i])) {
      ++i;
      continue;
    }
    // A word is a maximal run of ASCII letters, so a keyword never matches inside a longer word.
    std::size_t j = i + 1;
    while (IsAlphaChar(c[j])) ++j;
    if (lookup_.Contains(std::u16string_view(c + i, j - i))) {
      if (primeMode_ == kKeywordWithPrimes) {
        while (c[j] == u'\'') ++j;
      }
      out.Command2(command_, i, j - i);
    }
    i = j;
  }
}

}  // namespace glyphwright
