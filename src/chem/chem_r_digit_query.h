// ChemRDigitQuery steps the digit runs of a text (the 2 of H2O, a range such as 1-3 after a word)
// through plain, subscript, superscript and plain again. The next step follows from the current
// state of the first run, which the host's FontListener reports; every run gets that step.
//
// To find the first run, the query runs its own digit script through a CommandRunner whose
// Executer is the query itself: the runner calls QueryValue and SetSubscript on it, and the first
// SetSubscript asks the FontListener by name:
//   GetSubscript(Index, Length, Value)   Value -1: subscript, 0: not subscript
//   GetSuperscript(Index, Length, Value) Value not 0: superscript, 0: not superscript
// All three arguments are 32-bit integers by reference; Value arrives as 0. A listener that cannot
// write to an argument (one written in Python) returns the value instead: a result that is not
// Empty is the answer.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "automation/member_table.h"
#include "chem/chem_subscript_query.h"

namespace glyphwright {

class ChemRDigitQuery : public TableDispatch<ChemRDigitQuery> {
 public:
  static MemberTable Members();

  // The host object that reports the script state of a range; must be set before GetCommands is
  // called on a text with a digit run.
  const DispatchRef& FontListener() const { return fontListener_; }
  void SetFontListener(DispatchRef FontListener) { fontListener_ = std::move(FontListener); }

  // The Executer operations its own runner needs. QueryValue keeps every value as written.
  std::u16string QueryValue(std::u16string_view x) const { return std::u16string(x); }
  // Decides the next step from the state of the range, unless it is decided already; v is not
  // used. An error of the listener leaves the step undecided and is raised.
  void SetSubscript(int32_t Index, int32_t Length, int32_t v = -1);

  // One unit per digit run with the command word of the next step. Raises error 1 "Internal
  // Error." when the listener could not tell the state of any run.
  std::u16string GetCommands(std::u16string_view Text);

 private:
  enum CycleState : int32_t {
    kUndecided = 0,
    kNextPlain = 1,
    kNextSubscript = 2,
    kNextSuperscript = 3,
  };

  void AskAboutFirstRun(std::u16string_view digitScript);

  DispatchRef fontListener_;
  std::optional<ChemSubscriptQuery> digitQuery_;
  int32_t cycleState_ = kUndecided;
};

}  // namespace glyphwright
