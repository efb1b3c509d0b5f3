// The pieces of NMR prose that carry formatting of their own:
//   headers      '1H NMR', '13C{1H} NMR', '19F-NMR'   the mass numbers superscript
//   solvents     'DMSO-d6', 'acetone-d6'               an italic d and a subscript count (the
//                                                      formula query's prefix and count rules)
//   couplings    'J = 8.0 Hz'                          the J italic
// Each recogniser looks at a text folded to half width.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "prose/text_range.h"

namespace glyphwright::prose {

// When an NMR header starts at `at` (a mass number, an element symbol, optionally a decoupled
// nucleus in braces, a blank or hyphen, "NMR"), appends the ranges of its mass numbers and
// answers the offset just after "NMR"; otherwise answers `at` and appends nothing.
std::size_t MatchNmrHeader(std::u16string_view text, std::size_t at,
                           std::vector<TextRange>& massNumbers);

// Whether a whole token names a deuterated solvent: a name, "-d" and the count of deuterium
// atoms (DMSO-d6, THF-d8, methanol-d4).
bool IsDeuteratedSolvent(std::u16string_view token);

// Whether a coupling constant's J stands at `at`: a J that is no part of a word, then (after
// optional subscript-like labels such as HH or 1,2) an "=" and a number in hertz.
bool IsCouplingSymbol(std::u16string_view text, std::size_t at);

}  // namespace glyphwright::prose
