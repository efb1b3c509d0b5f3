#include "chem/chem_r_digit_query.h"

#include "automation/automation_error.h"
#include "chem/font_listener_answer.h"
#include "script/text_length.h"

namespace glyphwright {

ChemRDigitQuery::ChemRDigitQuery() {
  digitRuns_.SetAllowRange(true);
}

void ChemRDigitQuery::SetSubscript(int32_t Index, int32_t Length, int32_t /*v*/) {
  if (cycleState_ != kUndecided) return;
  // Keep the listener alive through the calls, even if it replaces itself meanwhile.
  const DispatchRef listener = fontListener_;
  if (!listener) throw errors::ObjectNotSet();
  const ListenerAnswer subscript = AskFontListener(*listener, u"GetSubscript", Index, Length);
  const ListenerAnswer superscript = AskFontListener(*listener, u"GetSuperscript", Index, Length);
  if (subscript == ListenerAnswer::MinusOne) {
    cycleState_ = kNextSuperscript;
  } else if (subscript == ListenerAnswer::Zero && superscript != ListenerAnswer::Zero) {
    cycleState_ = kNextPlain;
  } else {
    // Plain now, or a subscript answer that is neither yes nor no.
    cycleState_ = kNextSubscript;
  }
}

// A failed question is dropped: the next one, of this run or a later run, may still decide.
void ChemRDigitQuery::AskAbout(std::size_t first, std::size_t length) {
  for (int call = 0; call < 2 && cycleState_ == kUndecided; ++call) {
    try {
      // ScanChars has bounded the text, so every offset fits a Long.
      SetSubscript(static_cast<int32_t>(first), static_cast<int32_t>(length));
    } catch (const AutomationError&) {
    }
  }
}

std::u16string_view ChemRDigitQuery::NextStepWord() const {
  switch (cycleState_) {
    case kNextSubscript:
      return u"Subscript";
    case kNextSuperscript:
      return u"Superscript";
    case kNextPlain:
      return u"NormalScript";
    default:
      throw errors::InternalError();
  }
}

std::u16string ChemRDigitQuery::GetCommands(std::u16string_view Text) {
  const CodeArray chars = ScanChars(Text);
  cycleState_ = kUndecided;
  bool anyRun = false;
  // The scan stops at the run that decides; the writer then scans the whole text.
  digitRuns_.Scan(chars, [this, &anyRun](std::size_t first, int64_t length) {
    anyRun = true;
    AskAbout(first, static_cast<std::size_t>(length));
    return cycleState_ == kUndecided;
  });
  // No digit run: the listener is not consulted.
  if (!anyRun) return {};
  digitRuns_.SetCommand(NextStepWord());
  return WriteUnits(chars, digitRuns_);
}

}  // namespace glyphwright
