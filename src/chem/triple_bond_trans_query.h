// TripleBondTransQuery: "#" becomes the triple-bond sign U+2261 and "*" the middle dot U+FF65.
#pragma once

#include <string>

#include "script/builders.h"
#include "text/lib.h"

namespace glyphwright {

class TripleBondTransQuery {
 public:
  // One ReplaceChar unit (index, signed code of the new character) per sign, in text order.
  std::u16string GetCommands(const CodeArray& chars) const;
  void AppendCommands(const CodeArray& chars, ScriptWriter& out) const;
  // The number of code units AppendCommands appends for chars.
  std::size_t CommandsLength(const CodeArray& chars) const;
};

}  // namespace glyphwright
