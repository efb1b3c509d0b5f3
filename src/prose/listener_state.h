// What the host's FontListener says of one character: whether it is set subscript or
// superscript already. The operations are those ChemRDigitQuery calls: GetSubscript(Index,
// Length, Value) and GetSuperscript(Index, Length, Value), all by reference, Value arriving as 0;
// a listener that cannot write to an argument answers with its result instead.
#pragma once

#include <cstdint>
#include <string_view>

#include "automation/dispatch.h"

namespace glyphwright::prose {

// Whether the listener reports any of the range as set by the operation (GetSubscript or
// GetSuperscript): -1, or a mixed answer.
bool ListenerReportsSet(Dispatch& listener, std::u16string_view operation, int32_t index,
                        int32_t length);

}  // namespace glyphwright::prose
