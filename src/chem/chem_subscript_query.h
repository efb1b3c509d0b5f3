// ChemSubscriptQuery: the digit runs that follow a letter or a closing bracket, the atom counts
// of a formula such as the 2 of H2O.
#pragma once

#include <string>
#include <string_view>

#include "script/builders.h"
#include "text/lib.h"

namespace glyphwright {

class ChemSubscriptQuery {
 public:
  const std::u16string& Command() const { return command_; }
  void SetCommand(std::u16string_view Command) { command_ = Command; }

  // True: a run may be a range, two digit groups joined by one "-" or "~" (1-3, 1~3).
  bool AllowRange() const { return allowRange_; }
  void SetAllowRange(bool AllowRange) { allowRange_ = AllowRange; }

  // One unit (first index, length) per run, in text order.
  std::u16string GetCommands(const CodeArray& chars) const;
  void AppendCommands(const CodeArray& chars, ScriptWriter& out) const;
  // The number of code units AppendCommands appends for chars.
  std::size_t CommandsLength(const CodeArray& chars) const;

 private:
  std::u16string command_ = u"Subscript";
  bool allowRange_ = false;
};

}  // namespace glyphwright
