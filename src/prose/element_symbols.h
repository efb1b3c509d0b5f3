// The chemistry the prose recognisers decide by: which letter runs are element symbols, which are
// the group and ligand abbreviations that formulas use in place of atoms, and which elements are
// metals. The symbols are those of elements 1 (H) to 103 (Lr) plus D for deuterium, which every
// NMR solvent formula uses.
#pragma once

#include <cstddef>
#include <string_view>

namespace glyphwright::prose {

// How many code units at the start of text form an element symbol, preferring a two-letter
// symbol: 2, 1, or 0 when text does not open with one.
std::size_t ElementSymbolLength(std::u16string_view text);

// Whether symbol is exactly one element symbol (D included).
bool IsElementSymbol(std::u16string_view symbol);

// How many code units at the start of text form a group abbreviation that formulas write as if
// it were an atom (Me, Et, Ph, Bu, Ac, Ts, Boc, TMS ...), the longest one; 0 for none.
std::size_t GroupAbbreviationLength(std::u16string_view text);

// How many code units at the start of text form a lowercase ligand abbreviation (dba, cod, acac,
// bpy, phen, py ...), which stands only inside brackets: Pd2(dba)3; 0 for none.
std::size_t LigandAbbreviationLength(std::u16string_view text);

// Elements that are no metals: hydrogen, the noble gases, B, C, N, O, F, Si, P, S, Cl, As, Se,
// Br, Te, I, At; D counts as hydrogen.
bool IsNonMetal(std::u16string_view symbol);

}  // namespace glyphwright::prose
