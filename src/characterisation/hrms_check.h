// The HRMS rules: the stated calcd m/z against the ion's formula, the found value against calcd,
// and an adduct's metal against the formula.
#pragma once

#include <string_view>
#include <vector>

#include "characterisation/calcd_clause.h"
#include "characterisation/characterisation_check.h"

namespace glyphwright {

// A calcd m/z may be off by rounding in its fourth decimal, no more.
inline constexpr double kCalcdMzTolerance = 0.00051;
// A found m/z may be off by 0.0050 or 10 ppm, whichever is larger.
inline constexpr double kFoundMzTolerance = 0.0050;
inline constexpr double kFoundMzPpm = 10;

// False when the clause states no m/z (it is then no HRMS clause).
bool CheckHrms(std::u16string_view text, const CalcdClause& clause, std::vector<Finding>& out);

}  // namespace glyphwright
