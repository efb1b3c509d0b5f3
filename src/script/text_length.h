// Positions and lengths travel through scripts and hosts as Longs (32-bit). A query refuses a
// text whose offsets a Long could not hold, rather than writing offsets that wrapped around.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

#include "text/lib.h"

namespace glyphwright {

// The longest text a query takes: its prepared form, one blank longer, and the terminator after
// that are still addressed by a Long.
inline constexpr std::size_t kMaxTextLength = std::numeric_limits<int32_t>::max() - 1;

// Raises error 1 "The text is too long: a query takes at most 2147483646 characters." when Text
// is longer than kMaxTextLength. Reads nothing but its length.
void CheckTextLength(std::u16string_view Text);

// The code array a query scans (text/prepared_text.h), once CheckTextLength has passed.
CodeArray ScanChars(std::u16string_view Text);

}  // namespace glyphwright
