#include "chem/chem_superscript_query.h"

#include "chem/formula_chars.h"

namespace glyphwright {

std::u16string ChemSuperscriptQuery::GetCommands(const CodeArray& chars) const {
  ScriptWriter out;
  AppendCommands(chars, out);
  return std::move(out).Script();
}

void ChemSuperscriptQuery::AppendCommands(const CodeArray& chars, ScriptWriter& out) const {
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
    if (k > 0 && IsFormulaBase(c[k - 1])) out.Command2(command_, start, i - start + 1);
  }
}

}  // namespace glyphwright
