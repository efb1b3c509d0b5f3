// Whether a token of running text is a systematic chemical name whose prefixes, stereodescriptors,
// element locants and configuration letters ChemNameQuery would set: '(R)-2-methylbutanoic',
// 'N,N-dimethylformamide', 'tert-butyl', 'L-alanine', '1H-indole'.
//
// A name is decided by its chemistry: a parenthesised stereodescriptor group joined to the rest by
// a hyphen ('(2S,3R)-', '(E)-'), or a keyword (element symbol, stereodescriptor, D/L, position
// prefix) joined by a hyphen or comma to a stem of substitutive nomenclature (meth-yl, -amine,
// -amide, benz-, pyr-, gluc-, -anoic ...). 'In-house', 'S-shaped', 'N-terminal', 'p-type' and
// 'H-bond' have a keyword and a hyphen but no such stem, and are no names.
#pragma once

#include <string_view>

namespace glyphwright::prose {

// The token is folded to half width and trimmed of the punctuation around it.
bool IsChemicalName(std::u16string_view token);

// Whether lowercase ASCII letters hold a stem of substitutive nomenclature.
bool HasNomenclatureStem(std::u16string_view lowercaseLetters);

}  // namespace glyphwright::prose
