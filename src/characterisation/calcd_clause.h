// The part every check shares: the word 'calcd' (or 'calculated', 'calc.'), 'for', the
// formula, and an adduct before or after the formula.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "characterisation/adduct.h"
#include "characterisation/characterisation_check.h"
#include "characterisation/formula.h"

namespace glyphwright {

struct CalcdClause {
  std::size_t keyword = 0;       // first code unit of 'calcd'
  std::size_t formulaStart = 0;  // the formula as written
  std::size_t formulaEnd = 0;
  FormulaResult formula;
  std::optional<Adduct> adduct;
  std::size_t values = 0;  // where the stated values begin
  std::size_t limit = 0;   // where the next clause begins (or the end of the text)

  // The formula as the text writes it.
  std::u16string_view Written(std::u16string_view text) const {
    return text.substr(formulaStart, formulaEnd - formulaStart);
  }
  // The finding of a formula that cannot be read, at the place it goes wrong.
  Finding UnreadableFormula(std::u16string_view text) const;
};

// Every clause of text, in order. A 'calcd' without 'for' and a formula-like word is skipped.
std::vector<CalcdClause> FindCalcdClauses(std::u16string_view text);

}  // namespace glyphwright
