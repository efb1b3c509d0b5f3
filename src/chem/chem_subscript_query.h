// ChemSubscriptQuery: the digit runs that follow a letter or a closing bracket, the atom counts
// of a formula such as the 2 of H2O.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "chem/formula_chars.h"
#include "chem/scan_units.h"
#include "text/lib.h"

namespace glyphwright {

class ChemSubscriptQuery : public ScannerCommands<ChemSubscriptQuery> {
 public:
  const std::u16string& Command() const { return command_; }
  void SetCommand(std::u16string_view Command) { command_ = Command; }

  // True: a run may be a range, two digit groups joined by one "-" or "~" (1-3, 1~3).
  bool AllowRange() const { return allowRange_; }
  void SetAllowRange(bool AllowRange) { allowRange_ = AllowRange; }

  std::u16string_view Word() const { return command_; }
  // Calls emit(first index, length) for every digit run after a base, in text order.
  template <class Emit>
  void Scan(const CodeArray& chars, Emit&& emit) const;

 private:
  std::u16string command_ = u"Subscript";
  bool allowRange_ = false;
};

template <class Emit>
void ChemSubscriptQuery::Scan(const CodeArray& chars, Emit&& emit) const {
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
    if (IsFormulaBase(c[i - 1]) && !ReportUnit(emit, i, j - i)) return;
    i = j;
  }
}

}  // namespace glyphwright
