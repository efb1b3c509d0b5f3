// Cuts running text into the pieces the recognisers look at: the runs between blanks, cut again
// at slashes, "@", dashes and arrows (Pd/C, Fe3O4@SiO2, Ni–H, A → B), without the punctuation
// around them: the comma after a formula, the full stop that ends a sentence, the brackets of an
// aside. Brackets that balance inside a piece stay: (NH4)2SO4, (E)-stilbene.
#pragma once

#include <string_view>
#include <vector>

#include "prose/text_range.h"

namespace glyphwright::prose {

// Appends the pieces of text, in order, as ranges of text.
void CutIntoPieces(std::u16string_view text, std::vector<TextRange>& pieces);

}  // namespace glyphwright::prose
