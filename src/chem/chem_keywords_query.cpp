#include "chem/chem_keywords_query.h"

#include "chem/script_length.h"

namespace glyphwright {

void ChemKeywordsQuery::SetKeywords(std::u16string_view Words) {
  SplitText(Words, u"|", keywords_);
  lookup_ = KeywordSet(keywords_);
}

template <class Emit>
void ChemKeywordsQuery::Scan(const CodeArray& chars, Emit&& emit) const {
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
      emit(i, j - i);
    }
    i = j;
  }
}

std::u16string ChemKeywordsQuery::GetCommands(const CodeArray& chars) const {
  ScriptWriter out;
  out.Reserve(CommandsLength(chars));
  AppendCommands(chars, out);
  return std::move(out).Script();
}

void ChemKeywordsQuery::AppendCommands(const CodeArray& chars, ScriptWriter& out) const {
  Scan(chars,
       [&](std::size_t first, std::size_t length) { out.Command2(command_, first, length); });
}

std::size_t ChemKeywordsQuery::CommandsLength(const CodeArray& chars) const {
  std::size_t total = 0;
  Scan(chars, [&](std::size_t first, std::size_t length) {
    total += UnitLength(command_, first, length);
  });
  return total;
}

}  // namespace glyphwright
