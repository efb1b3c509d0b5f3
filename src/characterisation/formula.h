// Molecular formulas as chemists type them: element symbols with counts, brackets with
// multipliers (Ca(OH)2, [Cu(NH3)4]), hydrates and solvates after a dot with a leading multiplier
// (C10H12O2·H2O, C8H9NO·0.5H2O), and an optional trailing charge (C10H13O2+, [C6H5O]−, [Fe]2+).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "elements/element_table.h"

namespace glyphwright {

struct ElementCount {
  const ElementData* element;
  double count;  // fractional only through a solvate multiplier such as 0.5H2O
};

struct Formula {
  // Each element once, in the order of its first appearance.
  std::vector<ElementCount> counts;
  // The charge written at the end of the formula; 0 when none is written.
  int charge = 0;

  double CountOf(std::u16string_view symbol) const;
};

struct FormulaResult {
  bool ok = false;
  Formula formula;
  // When !ok: why, in one sentence ending in a full stop, and the offset of the fault in the text.
  std::u16string error;
  std::size_t errorOffset = 0;
};

FormulaResult ParseFormula(std::u16string_view text);

// The sum of the most abundant isotopes' masses (u).
double MonoisotopicMass(const Formula& formula);
// The sum of the standard atomic weights (g/mol).
double AverageMass(const Formula& formula);
// m/z of the ion of charge z (not 0) whose formula this is: the electrons it lost or gained
// counted, divided by |z|.
double IonMz(const Formula& formula, int z);
// Mass percentage of one element by standard atomic weights; 0 when the formula lacks it.
double MassPercent(const Formula& formula, std::u16string_view symbol);

}  // namespace glyphwright
