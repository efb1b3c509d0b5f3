// Reads formatted input written as a little HTML: the tags <sub>, <sup>, <i> and <b> (nested
// freely, letter case ignored) and character entities; everything else is text, kept verbatim
// with its white space, CR being a paragraph mark. Anything else that looks like markup (another
// tag, a tag left open or closed out of order, an unknown entity, a numeric entity naming NUL or
// a surrogate) raises error 1 naming the problem and its offset in the input. An "&" that cannot
// begin an entity (followed by a blank, say) is text.
#pragma once

#include <string_view>

#include "document/document.h"

namespace glyphwright {

// The whole text is selected, origin 0.
Document DocumentFromHtml(std::u16string_view html);

}  // namespace glyphwright
