// ChemSuperscriptQuery: ionic charges, a "+" or "-" with an optional charge number 2 to 7 before
// it, following a letter or a closing bracket (count digits may stand between, as in SO42-).
#pragma once

#include <string>
#include <string_view>

#include "script/builders.h"
#include "text/lib.h"

namespace glyphwright {

class ChemSuperscriptQuery {
 public:
  const std::u16string& Command() const { return command_; }
  void SetCommand(std::u16string_view Command) { command_ = Command; }

  // One unit (first index, length) per charge, in text order.
  std::u16string GetCommands(const CodeArray& chars) const;
  void AppendCommands(const CodeArray& chars, ScriptWriter& out) const;
  // The number of code units AppendCommands appends for chars.
  std::size_t CommandsLength(const CodeArray& chars) const;

 private:
  std::u16string command_ = u"Superscript";
};

}  // namespace glyphwright
