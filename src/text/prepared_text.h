// Every scanning query reads the host text folded to half width with one blank appended, as a
// code array. Folding keeps one code unit per code unit, so an index in the array is the offset
// in the host's text, and the blank lets a scan look one character past the last one.
#pragma once

#include <string_view>

#include "text/lib.h"

namespace glyphwright {

void PrepareChars(std::u16string_view Text, CodeArray& chars);
// The same, made from the text in its own memory, for a caller that needs the text no longer.
void PrepareCharsInPlace(CodeArray& text);

}  // namespace glyphwright
