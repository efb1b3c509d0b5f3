// The molecular formulas standing as words in prose ('calcd for C10H13O2', '(c 1.00, CHCl3)',
// 'C10H12O2·H2O'): a word that reads as a formula of at least two elements with at least one
// count. Words of one element ('Table S2', '[a]D20', '1H') and abbreviations that are no
// formula ('HRMS', 'KBr' has no count) are left alone.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace glyphwright {

struct FormulaWord {
  std::size_t start = 0;
  std::size_t length = 0;        // the formula without its charge
  std::size_t chargeLength = 0;  // a charge written right after it ('C10H13O2+'), or 0
};

std::vector<FormulaWord> FindFormulaWords(std::u16string_view text);

}  // namespace glyphwright
