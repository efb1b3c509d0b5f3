#include "script/command_runner.h"

#include <cmath>
#include <cstring>

#include "automation/automation_error.h"
#include "automation/number_text.h"

namespace glyphwright {
namespace {

constexpr bool InLongRange(int64_t value) {
  return value >= INT32_MIN && value <= INT32_MAX;
}

bool SameStroke(const char16_t* a, const char16_t* b) {
  uint64_t x = 0, y = 0;
  std::memcpy(&x, a, sizeof x);
  std::memcpy(&y, b, sizeof y);
  return x == y;
}

// Equal texts, compared four code units at a stroke: a unit's word is a few strokes long. The
// last stroke ends at the end, overlapping the one before it, so no code unit is left to compare
// alone.
bool SameText(std::u16string_view a, std::u16string_view b) {
  const std::size_t size = a.size();
  if (size != b.size()) return false;
  if (size < 4) {
    for (std::size_t i = 0; i < size; ++i) {
      if (a[i] != b[i]) return false;
    }
    return true;
  }
  for (std::size_t i = 0; i + 4 < size; i += 4) {
    if (!SameStroke(a.data() + i, b.data() + i)) return false;
  }
  return SameStroke(a.data() + size - 4, b.data() + size - 4);
}

// The script state a script word leaves; nothing for any other word.
std::optional<ScriptState> StateOfScriptWord(Word word) {
  switch (word) {
    case Word::NormalScript:
      return ScriptState::Normal;
    case Word::Subscript:
      return ScriptState::Subscript;
    case Word::Superscript:
      return ScriptState::Superscript;
    default:
      return std::nullopt;
  }
}

// A register as the text a String parameter receives: its own text without a copy, or the text
// of its number.
std::u16string_view TextOf(const Variant& value, std::u16string& scratch) {
  if (const std::u16string* text = value.AsString()) return *text;
  scratch = value.ToText();
  return scratch;
}

}  // namespace

// A call by name holds its own reference to the Executer; a typed call does not (that reference
// would cost more than the call), so an Executer replaced during one waits here until it returns.
class CommandRunner::TypedCall {
 public:
  explicit TypedCall(CommandRunner& runner) : runner_(runner) { ++runner_.typedCallDepth_; }
  TypedCall(const TypedCall&) = delete;
  TypedCall& operator=(const TypedCall&) = delete;
  ~TypedCall() {
    if (--runner_.typedCallDepth_ > 0 || runner_.retired_.empty()) return;
    // Released after the list is emptied: a destructor may replace the Executer once more.
    std::vector<DispatchRef> released;
    released.swap(runner_.retired_);
  }

 private:
  CommandRunner& runner_;
};

class CommandRunner::ForgetLongs {
 public:
  explicit ForgetLongs(CommandRunner& runner) : runner_(runner) {}
  ForgetLongs(const ForgetLongs&) = delete;
  ForgetLongs& operator=(const ForgetLongs&) = delete;
  ~ForgetLongs() { runner_.longsKnown_ = false; }

 private:
  CommandRunner& runner_;
};

void CommandRunner::SetExecuter(DispatchRef Executer) {
  if (typedCallDepth_ > 0 && executer_) retired_.push_back(std::move(executer_));
  executer_ = std::move(Executer);
  editing_ = executer_ ? executer_->Editing() : nullptr;
  keepsIntegers_ = editing_ != nullptr && editing_->QueryValueKeepsIntegers();
  hostIdKnown_.reset();
}

void CommandRunner::Run(std::u16string_view Commands) {
  // A private copy: a host call may change the text the caller passed.
  RunOwned(std::u16string(Commands));
}

void CommandRunner::RunOwned(std::u16string Commands) {
  const std::u16string commands = std::move(Commands);
  BeginUnits();
  ExecuteLines(commands);
}

void CommandRunner::BeginUnits() {
  stackCount_ = 0;
  hostIdKnown_.reset();
}

void CommandRunner::RunUnit(std::u16string_view first, std::u16string_view second,
                            std::u16string_view word) {
  Step([&] { PushValue(first); });
  Step([&] { PushValue(second); });
  const UnitWord& known = NoteUnitWord(word);
  if (known.isLines) return ExecuteLines(word);
  ExecuteWord(known.word);
}

void CommandRunner::RunUnit(int64_t first, int64_t second, std::u16string_view word) {
  const UnitWord& known = NoteUnitWord(word);
  if (known.popsTwoNumbers && MayTakeIntegersAsTheyStand()) {
    return TakeIntegers(first, second, known.word);
  }
  RunUnit(IntegerDigits(first, firstRoom_), IntegerDigits(second, secondRoom_), word);
}

void CommandRunner::RunUnits(std::u16string_view word, std::span<const UnitIntegers> units) {
  const UnitWord& known = NoteUnitWord(word);
  if (!known.popsTwoNumbers) {
    for (const UnitIntegers& unit : units) RunUnit(unit.first, unit.second, word);
    return;
  }
  // What RunUnit finds for each: the word stays, and whether the integers may be taken as they
  // stand is asked again, as a host call may have replaced the Executer.
  const Word words = known.word;
  for (const UnitIntegers& unit : units) {
    if (MayTakeIntegersAsTheyStand()) {
      TakeIntegers(unit.first, unit.second, words);
    } else {
      RunUnit(IntegerDigits(unit.first, firstRoom_), IntegerDigits(unit.second, secondRoom_), word);
    }
  }
}

// The word of the last unit again, as a scan's units mostly have, is known at once.
inline const CommandRunner::UnitWord& CommandRunner::NoteUnitWord(std::u16string_view word) {
  if (SameText(word, unitWords_[lastUnitWord_].text)) return unitWords_[lastUnitWord_];
  return FindUnitWord(word);
}

const CommandRunner::UnitWord& CommandRunner::FindUnitWord(std::u16string_view word) {
  for (std::size_t i = 0; i < unitWords_.size(); ++i) {
    if (SameText(word, unitWords_[i].text)) {
      lastUnitWord_ = i;
      return unitWords_[i];
    }
  }
  lastUnitWord_ = nextUnitWord_;
  nextUnitWord_ = (nextUnitWord_ + 1) % unitWords_.size();
  UnitWord& known = unitWords_[lastUnitWord_];
  known.text = word;
  // A word of the user's own may hold an LF, or start with "=": it is then lines of its own.
  known.isLines =
      word.find(u'\n') != std::u16string_view::npos || (!word.empty() && word.front() == u'=');
  known.word = known.isLines ? Word::None : FindWord(word);
  known.popsTwoNumbers = !known.isLines && TakesTwoNumbers(known.word);
  return known;
}

bool CommandRunner::MayTakeIntegersAsTheyStand() const {
  return keepsIntegers_ && stackCount_ <= kStackSize - 2;
}

void CommandRunner::ExecuteLines(std::u16string_view commands) {
  // Every LF ends a line; the empty line after the last LF does nothing.
  constexpr std::size_t npos = std::u16string_view::npos;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = commands.find(u'\n', start);
    if (end != npos && commands[start] == u'=' && MayTakeIntegersAsTheyStand()) {
      // Most value lines are the two integers of the word after them.
      if (const std::size_t next = TakeIntegerLines(commands, start, end); next != 0) {
        if (next == npos) break;
        start = next;
        continue;
      }
    }
    ExecuteLine(commands.substr(start, end - start));
    if (end == npos) break;
    start = end + 1;
  }
}

// "=first", "=second" and a word that pops two numbers, from the value line at start (which
// ends at end), run as a typed unit of the two integers would run, when the integers may be taken
// as they stand; answers where the lines after them start (npos: none), or 0 when they are no
// such lines.
std::size_t CommandRunner::TakeIntegerLines(std::u16string_view commands, std::size_t start,
                                            std::size_t end) {
  constexpr std::size_t npos = std::u16string_view::npos;
  int64_t first = 0, second = 0;
  if (!ParseIntegerText(commands.substr(start + 1, end - start - 1), first)) return 0;
  const std::size_t secondStart = end + 1;
  const std::size_t secondEnd = commands.find(u'\n', secondStart);
  if (secondEnd == npos || commands[secondStart] != u'=' ||
      !ParseIntegerText(commands.substr(secondStart + 1, secondEnd - secondStart - 1), second)) {
    return 0;
  }
  const std::size_t wordStart = secondEnd + 1;
  const std::size_t wordEnd = commands.find(u'\n', wordStart);
  const Word word = FindWord(commands.substr(wordStart, wordEnd - wordStart));
  if (!TakesTwoNumbers(word)) return 0;
  TakeIntegers(first, second, word);
  return wordEnd == npos ? npos : wordEnd + 1;
}

void CommandRunner::TakeIntegers(int64_t first, int64_t second, Word word) {
  // The two pushes and PopNumbers would leave these registers and the stack as it was: the
  // host answers the texts unchanged, with room for both, and they read back as these doubles.
  secondOperand_.SetDouble(IntegerToDouble(second));
  firstOperand_.SetDouble(IntegerToDouble(first));
  longsKnown_ = InLongRange(first) && InLongRange(second);
  firstLong_ = static_cast<int32_t>(first);
  secondLong_ = static_cast<int32_t>(second);
  // A scan's units are script words mostly: their steps are taken here, as ExecuteWordSteps
  // would take them.
  if (const std::optional<ScriptState> state = StateOfScriptWord(word)) return SetScripts(*state);
  ExecuteWordSteps(word);
}

template <class Body>
void CommandRunner::Step(Body&& body) {
  // An error that is not ignored passes on unchanged, so the step needs no handler then (cheap
  // here, costly where exceptions are slow, as in WebAssembly). IgnoreError as the step begins
  // decides; a host that clears it during the step still sees its error raised.
  if (!ignoreError_) {
    body();
    return;
  }
  try {
    body();
  } catch (const AutomationError&) {
    if (!ignoreError_) throw;
  }
}

void CommandRunner::ExecuteLine(std::u16string_view line) {
  if (!line.empty() && line.front() == u'=') {
    Step([&] { PushValue(line.substr(1)); });
  } else {
    ExecuteWord(FindWord(line));
  }
}

void CommandRunner::ExecuteWord(Word word) {
  if (TakesTwoNumbers(word)) Step([this] { PopNumbers(); });
  ExecuteWordSteps(word);
}

void CommandRunner::ExecuteWordSteps(Word word) {
  const auto strings = [this] { Step([this] { PopStrings(); }); };
  const auto call = [this](HostOp op) { Step([this, op] { CallWithRegisters(op); }); };
  // Words whose only operand is popped and passed on in the same step.
  const auto popAndCall = [this](HostOp op, bool withEmptyStyle) {
    Step([this, op, withEmptyStyle] {
      if (HostEditing* editing = editing_) {
        const std::u16string& popped = PopValue();
        const TypedCall typed(*this);
        if (op == HostOp::ApplyStyle) {
          editing->ApplyStyle(popped);
        } else if (op == HostOp::TypeText) {
          editing->TypeText(popped, u"");
        } else {
          editing->MoveCursor(popped);
        }
        return;
      }
      Variant text(PopValue());
      Variant style(u"");
      if (withEmptyStyle) {
        CallHost(op, {&text, &style});
      } else {
        CallHost(op, {&text});
      }
    });
  };
  // Words that take nothing from the stack: one call, directly or by name.
  const auto withoutOperands = [this](HostOp op, void (HostEditing::*typed)()) {
    Step([this, op, typed] {
      if (HostEditing* editing = editing_) {
        const TypedCall call(*this);
        return (editing->*typed)();
      }
      CallHost(op, {});
    });
  };
  const auto arithmetic = [&](double (*combine)(double, double)) {
    Step([&] {
      const double result = combine(firstOperand_.ToDouble(), secondOperand_.ToDouble());
      if (!std::isfinite(result)) throw errors::Overflow();
      PushValue(DoubleToText(result));
    });
  };

  switch (word) {
    case Word::None:
      return;
    case Word::Pop:
      return Step([this] { PopValue(); });
    case Word::Plus:
      return arithmetic([](double a, double b) { return a + b; });
    case Word::Minus:
      return arithmetic([](double a, double b) { return a - b; });
    case Word::Inv:
      return Step([this] {
        const double negated = -TextToDouble(PopValue());
        PushValue(DoubleToText(negated));
      });
    case Word::NormalScript:
    case Word::Subscript:
    case Word::Superscript:
      return SetScripts(*StateOfScriptWord(word));
    case Word::Small:
      return call(HostOp::SetSmall);
    case Word::Italic:
    case Word::Bold:
    case Word::ChemicalItalic:
    case Word::ChemicalSmall:
      return Step([this, word] {
        if (HostEditing* editing = editing_) {
          const auto [index, length] = RegisterLongs();
          const TypedCall typed(*this);
          return editing->SetStyle(index, length, WordText(word));
        }
        Variant style(WordText(word));
        CallHost(HostOp::SetStyle, {&firstOperand_, &secondOperand_, &style});
      });
    case Word::ApplyStyle:
      return popAndCall(HostOp::ApplyStyle, false);
    case Word::TypeText:
      return popAndCall(HostOp::TypeText, true);
    case Word::GoTo:
      return popAndCall(HostOp::MoveCursor, false);
    case Word::ReplaceChar:
      strings();
      return call(HostOp::ReplaceChar);
    case Word::TypeStyledText:
      strings();
      return call(HostOp::TypeText);
    case Word::Copy:
      return call(HostOp::CopyText);
    case Word::Cut:
      return call(HostOp::CutText);
    case Word::Delete:
      return call(HostOp::DeleteText);
    case Word::Select:
      return call(HostOp::SelectRange);
    case Word::TypeBackspace:
      return withoutOperands(HostOp::TypeBackspace, &HostEditing::TypeBackspace);
    case Word::TypeParagraph:
      return withoutOperands(HostOp::TypeParagraph, &HostEditing::TypeParagraph);
    case Word::Paste:
      return withoutOperands(HostOp::PasteText, &HostEditing::PasteText);
  }
}

// One step: SetSubscript or SetSuperscript on the registers with a Boolean flag by value.
void CommandRunner::SetScript(HostOp op, bool on) {
  Step([this, op, on] {
    if (HostEditing* editing = editing_) {
      const auto [index, length] = RegisterLongs();
      const TypedCall typed(*this);
      if (op == HostOp::SetSubscript) return editing->SetSubscript(index, length, on);
      return editing->SetSuperscript(index, length, on);
    }
    Variant flag(on);
    CallHost(op, {&firstOperand_, &secondOperand_, &flag});
  });
}

// Subscript and Superscript clear both script states before setting one: three calls, unless
// the host makes them one. A failing conversion of the registers fails all three steps alike, so
// the step that asks the host is the first of them: the error it raises, or drops, is theirs.
void CommandRunner::SetScripts(ScriptState state) {
  if (HostEditing* editing = editing_) {
    bool done = false;
    Step([&] {
      const auto [index, length] = RegisterLongs();
      const TypedCall typed(*this);
      done = editing->SetScriptState(index, length, state);
    });
    if (done) return;
  }
  SetScript(HostOp::SetSubscript, false);
  SetScript(HostOp::SetSuperscript, false);
  if (state == ScriptState::Subscript) SetScript(HostOp::SetSubscript, true);
  if (state == ScriptState::Superscript) SetScript(HostOp::SetSuperscript, true);
}

void CommandRunner::CallWithRegisters(HostOp op) {
  if (HostEditing* editing = editing_) return CallWithRegisters(*editing, op);
  CallHost(op, {&firstOperand_, &secondOperand_});
}

// The registers converted to the parameters' types one after the other, first to last, as a
// member table converts a call's arguments, so the first failing conversion raises.
void CommandRunner::CallWithRegisters(HostEditing& editing, HostOp op) {
  if (op == HostOp::ReplaceChar) {
    const int32_t index = firstOperand_.ToLong();
    const std::u16string_view code = TextOf(secondOperand_, secondText_);
    const TypedCall typed(*this);
    return editing.ReplaceChar(index, code);
  }
  if (op == HostOp::TypeText) {
    const std::u16string_view text = TextOf(firstOperand_, firstText_);
    const std::u16string_view style = TextOf(secondOperand_, secondText_);
    const TypedCall typed(*this);
    return editing.TypeText(text, style);
  }
  const auto [start, length] = RegisterLongs();
  const TypedCall typed(*this);
  switch (op) {
    case HostOp::SetSmall:
      return editing.SetSmall(start, length);
    case HostOp::CopyText:
      return editing.CopyText(start, length);
    case HostOp::CutText:
      return editing.CutText(start, length);
    case HostOp::DeleteText:
      return editing.DeleteText(start, length);
    case HostOp::SelectRange:
      return editing.SelectRange(start, length);
    default:
      throw errors::InternalError();  // no word passes its registers to any other operation
  }
}

void CommandRunner::PushValue(std::u16string_view Value) {
  if (HostEditing* editing = editing_) {
    const TypedCall typed(*this);
    if (stackCount_ < kStackSize) {
      // The answer goes straight into its entry, whose room stays from push to push.
      editing->QueryValueText(Value, valueStack_[stackCount_]);
      ++stackCount_;
      return;
    }
    std::u16string answer;  // asked all the same, as by name, before the stack refuses it
    editing->QueryValueText(Value, answer);
    throw errors::SubscriptOutOfRange();
  }
  Variant query(Value);  // the host may write to it: it is the runner's own copy
  std::optional<Variant> answer = CallHost(HostOp::QueryValue, {&query});
  if (!answer) return;
  std::u16string text = answer->ToText();
  if (stackCount_ >= kStackSize) throw errors::SubscriptOutOfRange();
  valueStack_[stackCount_++] = std::move(text);
}

const std::u16string& CommandRunner::PopValue() {
  if (stackCount_ <= 0) throw errors::SubscriptOutOfRange();
  return valueStack_[--stackCount_];
}

// Each register is set only once its text has converted; a failure leaves it as it was.
void CommandRunner::PopNumbers() {
  longsKnown_ = false;
  secondOperand_ = TextToDouble(PopValue());
  firstOperand_ = TextToDouble(PopValue());
}

void CommandRunner::PopStrings() {
  longsKnown_ = false;
  secondOperand_ = PopValue();
  firstOperand_ = PopValue();
}

std::optional<Variant> CommandRunner::CallHost(HostOp op, std::initializer_list<Variant*> args) {
  // Keep the object alive through the call, even if the host replaces Executer meanwhile.
  const DispatchRef executer = executer_;
  if (!executer) {
    if (ignoreError_) return std::nullopt;
    throw errors::ObjectNotSet();
  }
  const auto index = static_cast<std::size_t>(op);
  if (!hostIdKnown_[index]) {
    hostIds_[index] = executer->GetIDsOfNames(HostOpName(op));
    hostIdKnown_[index] = true;
  }
  if (hostIds_[index] == kUnknownDispId) {
    if (ignoreError_) return std::nullopt;
    throw errors::NotSupported();
  }
  // A call by name may write to the registers it is passed: their Longs are found anew, also
  // after a call that ran the runner again meanwhile.
  longsKnown_ = false;
  const ForgetLongs forget(*this);
  return executer->Invoke(hostIds_[index], InvokeKind::Method,
                          Arguments(args.begin(), args.size()));
}

void CommandRunner::FindRegisterLongs() {
  // First to last, so the first failing conversion raises, and nothing is kept.
  const int32_t first = firstOperand_.ToLong();
  const int32_t second = secondOperand_.ToLong();
  firstLong_ = first;
  secondLong_ = second;
  longsKnown_ = true;
}

}  // namespace glyphwright
