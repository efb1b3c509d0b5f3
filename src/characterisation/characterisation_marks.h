// The recognisers of the other characterisation data, each adding the marks of its notation.
#pragma once

#include <string_view>

#include "characterisation/mark.h"

namespace glyphwright {

// 'mp 163-165 °C', 'bp 80-82 °C': the hyphen of the range becomes an en dash.
void MarkMeltingRanges(std::u16string_view text, Marks& marks);
// '[α]D20' and '[α]20D': the temperature superscript, the D subscript.
void MarkRotations(std::u16string_view text, Marks& marks);
// 'cm-1': '−1' superscript, the hyphen a minus sign; 'νmax', 'λmax': 'max' subscript.
void MarkSpectraUnits(std::u16string_view text, Marks& marks);
// 'Rf': the f subscript.
void MarkRetentionFactors(std::u16string_view text, Marks& marks);
// 'm/z' in italics; the charge of '[M + H]+', '[M+Na]+', '[M − H]−' superscript, a hyphen in it
// a minus sign.
void MarkMassSpectra(std::u16string_view text, Marks& marks);

}  // namespace glyphwright
