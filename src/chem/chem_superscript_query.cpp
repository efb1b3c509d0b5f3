#include "chem/chem_superscript_query.h"

#include "chem/formula_chars.h"
#include "chem/script_length.h"

namespace glyphwright {

namespace {

// Calls emit(first, length) for every charge, in text order.
template <class Emit>
void ScanCharges(const CodeArray& chars, Emit&& emit) {
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
    if (k > 0 && IsFormulaBase(c[k - 1])) emit(start, i - start + 1);
  }
}

}  // namespace

std::u16string ChemSuperscriptQuery::GetCommands(const CodeArray& chars) const {
  ScriptWriter out;
  out.Reserve(CommandsLength(chars));
  AppendCommands(chars, out);
  return std::move(out).Script();
}

void ChemSuperscriptQuery::AppendCommands(const CodeArray& chars, ScriptWriter& out) const {
  ScanCharges(
      chars, [&](std::size_t first, std::size_t length) { out.Command2(command_, first, length); });
}

std::size_t ChemSuperscriptQuery::CommandsLength(const CodeArray& chars) const {
  std::size_t total = 0;
  ScanCharges(chars, [&](std::size_t first, std::size_t length) {
    total += UnitLength(command_, first, length);
  });
  return total;
}

}  // namespace glyphwright
