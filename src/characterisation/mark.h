// One piece of formatting a recogniser asks for: a character replaced, or a range set in
// subscript, superscript or italics. The query turns marks into script units.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace glyphwright {

enum class MarkKind { Replace, Subscript, Superscript, Italic };

struct Mark {
  MarkKind kind;
  std::size_t start;
  // The range's length; for Replace the new character's code.
  int32_t length;
};

using Marks = std::vector<Mark>;

// The en dash of a range and the minus sign of a charge or an exponent.
inline constexpr int32_t kEnDash = 0x2013;
inline constexpr int32_t kMinusSign = 0x2212;

}  // namespace glyphwright
