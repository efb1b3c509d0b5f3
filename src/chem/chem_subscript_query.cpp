#include "chem/chem_subscript_query.h"

#include "chem/formula_chars.h"

namespace glyphwright {

std::u16string ChemSubscriptQuery::GetCommands(const CodeArray& chars) const {
  ScriptWriter out;
  AppendCommands(chars, out);
  return std::move(out).Script();
}

void ChemSubscriptQuery::AppendCommands(const CodeArray& chars, ScriptWriter& out) const {
  // chars[n] is the terminating 0, so every read below stays inside the array.
  const char16_t* c = chars.c_str();
  const std::size_t n = chars.size();
  // Index 0 never starts a run: a digit that opens the text has no base before it.
  std::size_t i = 1;
  while (i <= n) {
    if (!IsDigitChar(c[i])) {
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    while (IsDigitChar(c[j])) ++j;
    // Only one separator is taken: in 1-2-3 the run is 1-2.
    if (allowRange_ && IsRangeSeparator(c[j]) && IsDigitChar(c[j + 1])) {
      j += 2;
      while (IsDigitChar(c[j])) ++j;
    }
    if (IsFormulaBase(c[i - 1])) out.Command2(command_, i, j - i);
    i = j;
  }
}

}  // namespace glyphwright
