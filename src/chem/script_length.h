// The exact length of the units a scan writes, so a query can size its script buffer once: a
// long script that grows step by step costs far more than its writing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace glyphwright {

// Code units of a number as scripts write it: "-" for negatives, no leading zeros.
constexpr std::size_t DecimalLength(int64_t value) {
  const uint64_t magnitude =
      value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::size_t length = value < 0 ? 2 : 1;
  // The magnitude is at most 2^63, below 10^19, so bound never passes 10^19 and never overflows.
  for (uint64_t bound = 10; magnitude >= bound; bound *= 10) ++length;
  return length;
}

static_assert(DecimalLength(0) == 1 && DecimalLength(9) == 1 && DecimalLength(10) == 2);
static_assert(DecimalLength(-155) == 4 && DecimalLength(8801) == 4);
static_assert(DecimalLength(INT64_MAX) == 19 && DecimalLength(INT64_MIN) == 20);

// "=first", LF, "=second", LF, word, LF.
constexpr std::size_t UnitLength(std::u16string_view word, int64_t first, int64_t second) {
  return DecimalLength(first) + DecimalLength(second) + word.size() + 5;
}

}  // namespace glyphwright
