#include "chem/chem_subscript_query.h"

#include "chem/formula_chars.h"
#include "chem/script_length.h"

namespace glyphwright {

namespace {

// Calls emit(first, length) for every digit run after a base, in text order.
template <class Emit>
void ScanDigitRuns(const CodeArray& chars, bool allowRange, Emit&& emit) {
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
    if (allowRange && IsRangeSeparator(c[j]) && IsDigitChar(c[j + 1])) {
      j += 2;
      while (IsDigitChar(c[j])) ++j;
    }
    if (IsFormulaBase(c[i - 1])) emit(i, j - i);
    i = j;
  }
}

}  // namespace

std::u16string ChemSubscriptQuery::GetCommands(const CodeArray& chars) const {
  ScriptWriter out;
  out.Reserve(CommandsLength(chars));
  AppendCommands(chars, out);
  return std::move(out).Script();
}

void ChemSubscriptQuery::AppendCommands(const CodeArray& chars, ScriptWriter& out) const {
  ScanDigitRuns(chars, allowRange_, [&](std::size_t first, std::size_t length) {
    out.Command2(command_, first, length);
  });
}

std::size_t ChemSubscriptQuery::CommandsLength(const CodeArray& chars) const {
  std::size_t total = 0;
  ScanDigitRuns(chars, allowRange_, [&](std::size_t first, std::size_t length) {
    total += UnitLength(command_, first, length);
  });
  return total;
}

}  // namespace glyphwright
