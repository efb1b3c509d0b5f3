// ChemSuperscriptQuery: ionic charges, a "+" or "-" with an optional charge number 2 to 7 before
// it, following a letter or a closing bracket (count digits may stand between, as in SO42-).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "chem/formula_chars.h"
#include "chem/scan_units.h"
#include "text/lib.h"

namespace glyphwright {

class ChemSuperscriptQuery : public ScannerCommands<ChemSuperscriptQuery> {
 public:
  const std::u16string& Command() const { return command_; }
  void SetCommand(std::u16string_view Command) { command_ = Command; }

  std::u16string_view Word() const { return command_; }
  // Calls emit(first index, length) for every charge, in text order.
  template <class Emit>
  void Scan(const CodeArray& chars, Emit&& emit) const;

 private:
  std::u16string command_ = u"Superscript";
};

template <class Emit>
void ChemSuperscriptQuery::Scan(const CodeArray& chars, Emit&& emit) const {
  const char16_t* c = chars.c_str();
  const std::size_t n = chars.size();
  for (std::size_t i = 1; i <= n; ++i) {
    if (!IsChargeSign(c[i])) continue;
    // A digit 2 to 7 right before the sign is always the charge number (NH4+ reads as 4+).
    const std::size_t start = IsChargeNumber(c[i - 1]) ? i - 1 : i;
    // Walk back over the count digits of the last atom, as over the 4 of SO42-.
    std::size_t k = start;
    while (k > 0 && IsDigitChar(c[k - 1])) --k;
    // Only digits before the sign (a text that starts 2+): no base, no charge.
    if (k > 0 && IsFormulaBase(c[k - 1]) && !ReportUnit(emit, start, i - start + 1)) return;
  }
}

}  // namespace glyphwright
