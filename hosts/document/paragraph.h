// A document seen as renderers see it: paragraphs of runs of equally formatted text.
#pragma once

#include <string>
#include <vector>

#include "document/char_format.h"

namespace glyphwright {

struct Run {
  std::u16string text;  // never holds a paragraph mark
  CharFormat format;
};

struct Paragraph {
  std::u16string style;  // the paragraph style, empty for the document's default
  std::vector<Run> runs;
  bool ended = false;  // ends with a paragraph mark (the last paragraph may not)
};

}  // namespace glyphwright
