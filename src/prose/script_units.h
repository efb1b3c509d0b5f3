// Reads a query's script back as its units, three lines each: "=first", "=second", word. The
// scripts of the chemistry and journal queries hold nothing else.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace glyphwright::prose {

struct ScriptUnit {
  int64_t first = 0;           // the index
  std::u16string_view second;  // the length, or a character code for ReplaceChar
  std::u16string_view word;
};

// The second value read as a length; 0 when it is no number.
int64_t LengthOf(const ScriptUnit& unit);

// The units of script, views into it. A script of any other shape yields the units before it.
void ReadUnits(std::u16string_view script, std::vector<ScriptUnit>& units);

}  // namespace glyphwright::prose
