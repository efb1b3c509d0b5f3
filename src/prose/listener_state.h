// What the host's FontListener says of one character: whether it is set subscript or
// superscript already (chem/font_listener_answer.h has the operations).
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
