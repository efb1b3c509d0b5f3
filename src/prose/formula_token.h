// Whether a token of running text is a chemical formula, and which one: a neutral formula that
// ChemFormulaQuery formats (H2SO4, t-BuOH, Pd(PPh3)4, CuSO4·5H2O), a charged one for
// IonFormulaQuery (SO42-, Fe3+, [Fe(CN)6]3-), or no formula at all (A549, COVID-19, IC50).
//
// A formula is made of element symbols, group abbreviations (Me, Et, Ph, Boc ...) and, inside
// brackets, ligand abbreviations (dba, cod, bpy ...), each with an optional count; brackets
// balance; a charge may only end it. Only tokens whose formatting would change something are
// formulas: a count, a charge, a triple bond "#", or a prefix before a group (t-Bu). The rest of
// the rules are chemistry that tells formulas from codes and labels; see docs/chemistry.md.
#pragma once

#include <string_view>

namespace glyphwright::prose {

enum class FormulaKind { None, Neutral, Charged };

// The token is folded to half width and trimmed of the punctuation around it.
FormulaKind ClassifyFormula(std::u16string_view token);

// Whether the formula is a single element with a count and nothing else (O2, S8, C60): such a
// token is also the shape of labels (Figure S8), which the caller tells apart by context.
bool IsSingleElementFormula(std::u16string_view token);

}  // namespace glyphwright::prose
