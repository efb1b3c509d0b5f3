// CheckCharacterisation: the numbers of a characterisation paragraph checked against its
// formulas. An HRMS clause 'calcd for FORMULA [adduct]charge VALUE ... found VALUE' and an
// elemental analysis 'Anal. Calcd for FORMULA: C, 73.15; H, 7.37. Found: C, 73.10; H, 7.40.'
// are recomputed from the element table; each value or formula at fault is one finding.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace glyphwright {

struct Finding {
  std::size_t offset;      // the first code unit of the number or formula at fault
  std::u16string message;  // one sentence ending in a full stop
};

// The findings in text order; none when everything agrees. Raises error 1 for a text longer
// than the library takes.
std::vector<Finding> CheckCharacterisation(std::u16string_view Text);

}  // namespace glyphwright
