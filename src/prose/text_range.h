// A range of a text: the offset of its first code unit and its number of code units.
#pragma once

#include <cstdint>

namespace glyphwright::prose {

struct TextRange {
  int32_t start = 0;
  int32_t length = 0;

  int32_t End() const { return start + length; }
  friend bool operator==(const TextRange&, const TextRange&) = default;
};

}  // namespace glyphwright::prose
