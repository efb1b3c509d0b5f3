// The NMR parts of a characterisation paragraph: the mass numbers of '1H NMR', '13C NMR',
// '31P{1H} NMR' in superscript, and the coupling constant's 'J' ('J = 8.0 Hz') in italics.
#pragma once

#include <string_view>

#include "characterisation/mark.h"

namespace glyphwright {

void MarkNmrHeaders(std::u16string_view text, Marks& marks);
void MarkCouplingConstants(std::u16string_view text, Marks& marks);

}  // namespace glyphwright
