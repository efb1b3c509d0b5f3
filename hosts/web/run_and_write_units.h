// A query's units run on the document as the query makes them, while the same units are written
// out as the script text GetCommands would have answered: the page shows that script, and this
// way it is made once and never read back by the runner.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "chem/script_sink.h"
#include "script/command_runner.h"
#include "web/written_script.h"

namespace glyphwright::web {

class RunAndWriteUnits final : public ScriptUnits {
 public:
  // The runner must have had BeginUnits called, as for any run fed a unit at a time.
  explicit RunAndWriteUnits(CommandRunner& runner) : runner_(runner) {}

  // The unit's lines ("=" first, "=" second, word, each ending in LF) are written before the
  // unit runs: a unit that fails then ends the job, whose script is of no further use.
  void Unit(std::u16string_view word, int64_t first, int64_t second) override;
  // The lines of all the units are written, then the units run: a failing one still ends the job.
  void Units(std::u16string_view word, std::span<const UnitIntegers> units) override;

  // The script so far, handed over.
  WrittenScript TakeScript() { return std::move(script_); }

 private:
  void Widen();
  // Appends the unit's lines to the script, whose form (ASCII or wide) already fits the word.
  void WriteLines(std::u16string_view word, int64_t first, int64_t second);

  CommandRunner& runner_;
  WrittenScript script_;
};

}  // namespace glyphwright::web
