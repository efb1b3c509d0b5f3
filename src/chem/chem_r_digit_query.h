// ChemRDigitQuery steps the digit runs of a text (the 2 of H2O, a range such as 1-3 after a word)
// through plain, subscript, superscript and plain again. The next step follows from the current
// state of the first run, which the host's FontListener reports (chem/font_listener_answer.h);
// every run gets that step.
//
// The listener is asked about the first run twice at most, the two SetSubscript calls a host
// makes when it runs the run's unit (one clears the subscript, one sets it); while both fail,
// the next run is asked the same way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "automation/member_table.h"
#include "chem/chem_subscript_query.h"

namespace glyphwright {

class ChemRDigitQuery : public TableDispatch<ChemRDigitQuery> {
 public:
  static MemberTable Members();

  ChemRDigitQuery();

  // The host object that reports the script state of a range; must be set before GetCommands is
  // called on a text with a digit run.
  const DispatchRef& FontListener() const { return fontListener_; }
  void SetFontListener(DispatchRef FontListener) { fontListener_ = std::move(FontListener); }

  // The Executer operations of a host that runs a digit script against the query itself.
  // QueryValue keeps every value as written.
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

  void AskAbout(std::size_t first, std::size_t length);
  std::u16string_view NextStepWord() const;

  DispatchRef fontListener_;
  ChemSubscriptQuery digitRuns_;
  int32_t cycleState_ = kUndecided;
};

}  // namespace glyphwright
