// The two integers of a script unit, "=" first and "=" second before the unit's word, as a scan
// hands a run of units of one word on together.
#pragma once

#include <cstdint>

namespace glyphwright {

struct UnitIntegers {
  int64_t first;
  int64_t second;
};

}  // namespace glyphwright
