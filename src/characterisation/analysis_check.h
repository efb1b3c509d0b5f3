// The elemental analysis rules: each calcd percentage from the standard atomic weights, each
// found percentage against calcd.
#pragma once

#include <string_view>
#include <vector>

#include "characterisation/calcd_clause.h"
#include "characterisation/characterisation_check.h"

namespace glyphwright {

// A stated calcd percentage may differ from the rounded one by 0.01 (other weights, rounding).
inline constexpr double kCalcdPercentTolerance = 0.01;
// The journals' limit for a found percentage.
inline constexpr double kFoundPercentTolerance = 0.40;

// False when no list of element percentages follows the formula.
bool CheckAnalysis(std::u16string_view text, const CalcdClause& clause, std::vector<Finding>& out);

}  // namespace glyphwright
