// CommandRunner executes a command script against the host's Executer, calling its editing
// operations by name, one at a time, on the caller's thread; or, when the Executer offers
// HostEditing, calling those directly with the same arguments, conversions and errors.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "automation/host_editing.h"
#include "automation/member_table.h"
#include "automation/number_text.h"
#include "automation/variant.h"
#include "script/unit_integers.h"
#include "script/vocabulary.h"

namespace glyphwright {

class CommandRunner : public TableDispatch<CommandRunner> {
 public:
  static constexpr int32_t kStackSize = 101;

  static MemberTable Members();

  // The host's editing object, held by reference until replaced or the runner is destroyed.
  const DispatchRef& Executer() const { return executer_; }
  void SetExecuter(DispatchRef Executer);

  // True: a failing step is skipped and the run goes on. False (the default): the run stops and
  // raises the step's error unchanged.
  bool IgnoreError() const { return ignoreError_; }
  void SetIgnoreError(bool IgnoreError) { ignoreError_ = IgnoreError; }

  void Run(std::u16string_view Commands);
  // Run on a script the caller hands over, which then needs no private copy.
  void RunOwned(std::u16string Commands);

  // A run fed a unit at a time as its script is made, for C++ callers that never hold the whole
  // script: BeginUnits starts it as Run starts, then each RunUnit goes on with the stack,
  // registers and cursor the previous one left. A unit does what the lines "=" first, "=" second
  // and then the lines of word do in a script, so the units of a script run one after another do
  // what Run does on the whole script.
  void BeginUnits();
  void RunUnit(std::u16string_view first, std::u16string_view second, std::u16string_view word);
  // The unit of two integers: exactly RunUnit on their decimal texts (IntegerToText), with the
  // same host calls in the same order, the same errors and the same IgnoreError handling. When
  // the Executer's QueryValue keeps integers (HostEditing::QueryValueKeepsIntegers) and the
  // word pops two numbers, the integers go straight into the registers, never written as text.
  void RunUnit(int64_t first, int64_t second, std::u16string_view word);
  // Units of one word, in order: exactly RunUnit on each, the word found once for them all.
  void RunUnits(std::u16string_view word, std::span<const UnitIntegers> units);

 private:
  void ExecuteLines(std::u16string_view commands);
  void ExecuteLine(std::u16string_view line);
  struct UnitWord {
    std::u16string text;
    Word word = Word::None;
    bool isLines = false;         // it holds an LF or starts with "=": lines of their own
    bool popsTwoNumbers = false;  // one word that pops two numbers
  };
  // What a unit's word is: found once, then remembered among the words of recent units.
  const UnitWord& NoteUnitWord(std::u16string_view word);
  const UnitWord& FindUnitWord(std::u16string_view word);
  void ExecuteWord(Word word);
  // The steps of a word after the numbers it pops (see TakesTwoNumbers), or all its steps.
  void ExecuteWordSteps(Word word);
  std::size_t TakeIntegerLines(std::u16string_view commands, std::size_t start, std::size_t end);
  // The registers set from two integers as the value lines of their texts and PopNumbers would
  // set them, then the steps of word after PopNumbers.
  void TakeIntegers(int64_t first, int64_t second, Word word);
  // Whether the two values about to be pushed may be integers taken as they stand: the Executer
  // keeps them and the stack has room for both.
  bool MayTakeIntegersAsTheyStand() const;

  // The unit of error recovery: an error raised inside is raised on, or dropped when
  // IgnoreError is True.
  template <class Body>
  void Step(Body&& body);

  // The registers converted to Long, as a typed call with two Long parameters receives them:
  // converted once while the registers keep their values, however many calls a word makes.
  std::pair<int32_t, int32_t> RegisterLongs() {
    if (!longsKnown_) FindRegisterLongs();
    return {firstLong_, secondLong_};
  }
  void FindRegisterLongs();

  void PushValue(std::u16string_view Value);
  const std::u16string& PopValue();
  void PopNumbers();
  void PopStrings();

  // Calls a host operation by name. Without an Executer, or for an operation it lacks, raises 91
  // or 438; with IgnoreError True it answers nullopt instead, without raising.
  std::optional<Variant> CallHost(HostOp op, std::initializer_list<Variant*> args);
  void CallWithRegisters(HostOp op);
  void CallWithRegisters(HostEditing& editing, HostOp op);
  void SetScript(HostOp op, bool on);
  // The steps of NormalScript, Subscript or Superscript.
  void SetScripts(ScriptState state);

  // Marks a typed call in progress: an Executer replaced meanwhile is kept until it returns.
  class TypedCall;
  // Clears longsKnown_ when a call by name returns or raises.
  class ForgetLongs;

  DispatchRef executer_;
  // The Executer's HostEditing, or nullptr: then every call goes by name.
  HostEditing* editing_ = nullptr;
  // Its QueryValueKeepsIntegers, asked once: the answer holds for as long as the object lives.
  bool keepsIntegers_ = false;
  int32_t typedCallDepth_ = 0;
  std::vector<DispatchRef> retired_;
  bool ignoreError_ = false;
  std::array<std::u16string, kStackSize> valueStack_;
  int32_t stackCount_ = 0;
  Variant firstOperand_;
  Variant secondOperand_;
  // The registers as Longs, while longsKnown_: cleared whenever a register may have changed.
  bool longsKnown_ = false;
  int32_t firstLong_ = 0;
  int32_t secondLong_ = 0;
  // The text of a register that holds a number, for a typed call that takes text.
  std::u16string firstText_;
  std::u16string secondText_;
  // The decimal texts of a unit's integers when they go the way of text.
  IntegerRoom firstRoom_;
  IntegerRoom secondRoom_;

  // A scan writes one word unit after unit, or a few in turn (Subscript, Superscript, Italic).
  std::array<UnitWord, 4> unitWords_;
  std::size_t lastUnitWord_ = 0;
  std::size_t nextUnitWord_ = 0;  // the one a new word replaces

  // Names are looked up once per run and Executer, not once per call. Not kept from run to run:
  // an object called by name may gain members meanwhile (a script engine's objects do), and the
  // one host where a lookup would be felt, the reference document, is called through HostEditing.
  std::array<DispId, kHostOpCount> hostIds_{};
  std::bitset<kHostOpCount> hostIdKnown_;
};

}  // namespace glyphwright
