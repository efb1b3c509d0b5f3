#include "chem/chem_r_digit_query.h"

#include <array>

#include "automation/automation_error.h"
#include "script/command_runner.h"
#include "script/text_length.h"

namespace glyphwright {
namespace {

enum class ListenerAnswer { Zero, MinusOne, Other };

// What a listener wrote into its Value. Anything but a number counts as neither 0 nor -1, like
// the "mixed" answer 9999999 of a range that is partly set.
ListenerAnswer ReadAnswer(const Variant& value) {
  switch (value.GetType()) {
    case Variant::Type::Boolean:
    case Variant::Type::Long:
    case Variant::Type::Double: {
      const double number = value.ToDouble();
      if (number == 0) return ListenerAnswer::Zero;
      if (number == -1) return ListenerAnswer::MinusOne;
      return ListenerAnswer::Other;
    }
    default:
      return ListenerAnswer::Other;
  }
}

// Asks one of the listener's operations about a range, all arguments by reference.
ListenerAnswer AskListener(Dispatch& listener, std::u16string_view operation, int32_t index,
                           int32_t length) {
  Variant indexArgument(index);
  Variant lengthArgument(length);
  Variant value(int32_t{0});
  const std::array<Variant*, 3> arguments = {&indexArgument, &lengthArgument, &value};
  // A host that cannot write to an argument (a Python listener) answers with its result instead;
  // an Empty result leaves the answer in Value.
  const Variant result = CallByName(listener, operation, InvokeKind::Method, arguments);
  return ReadAnswer(result.IsEmpty() ? value : result);
}

// The length of the first unit of a script: one unit of the digit scan is three lines.
std::size_t FirstUnitLength(std::u16string_view script) {
  std::size_t end = 0;
  for (int line = 0; line < 3; ++line) {
    const std::size_t lineEnd = script.find(u'\n', end);
    if (lineEnd == std::u16string_view::npos) return script.size();
    end = lineEnd + 1;
  }
  return end;
}

}  // namespace

void ChemRDigitQuery::SetSubscript(int32_t Index, int32_t Length, int32_t /*v*/) {
  if (cycleState_ != kUndecided) return;
  // Keep the listener alive through the calls, even if it replaces itself meanwhile.
  const DispatchRef listener = fontListener_;
  if (!listener) throw errors::ObjectNotSet();
  const ListenerAnswer subscript = AskListener(*listener, u"GetSubscript", Index, Length);
  const ListenerAnswer superscript = AskListener(*listener, u"GetSuperscript", Index, Length);
  if (subscript == ListenerAnswer::MinusOne) {
    cycleState_ = kNextSuperscript;
  } else if (subscript == ListenerAnswer::Zero && superscript != ListenerAnswer::Zero) {
    cycleState_ = kNextPlain;
  } else {
    // Plain now, or a subscript answer that is neither yes nor no.
    cycleState_ = kNextSubscript;
  }
}

// Runs the digit script against this object. Once the first SetSubscript has decided, the
// remaining units would find the step decided and ask nothing, so they are not run; while it is
// undecided (the listener failed), every further SetSubscript asks again.
void ChemRDigitQuery::AskAboutFirstRun(std::u16string_view digitScript) {
  CommandRunner runner;
  // The runner lives only during this call, so it holds this object without owning it.
  runner.SetExecuter(DispatchRef(DispatchRef(), static_cast<Dispatch*>(this)));
  runner.SetIgnoreError(true);
  std::u16string_view rest = digitScript;
  while (cycleState_ == kUndecided && !rest.empty()) {
    const std::size_t unitLength = FirstUnitLength(rest);
    runner.Run(rest.substr(0, unitLength));
    rest.remove_prefix(unitLength);
  }
}

std::u16string ChemRDigitQuery::GetCommands(std::u16string_view Text) {
  const CodeArray chars = ScanChars(Text);
  if (!digitQuery_) {
    digitQuery_.emplace();
    digitQuery_->SetAllowRange(true);
  }
  cycleState_ = kUndecided;
  std::u16string script = digitQuery_->GetCommands(chars);
  // No digit run: the listener is not consulted.
  if (script.empty()) return script;

  AskAboutFirstRun(script);
  switch (cycleState_) {
    case kNextSubscript:
      return script;
    case kNextSuperscript:
      return ReplaceText(script, u"Subscript\n", u"Superscript\n");
    case kNextPlain:
      return ReplaceText(script, u"Subscript\n", u"NormalScript\n");
    default:
      throw errors::InternalError();
  }
}

}  // namespace glyphwright
