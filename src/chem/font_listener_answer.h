// Asking the host's FontListener about a range:
//   GetSubscript(Index, Length, Value)   Value -1: subscript, 0: not subscript
//   GetSuperscript(Index, Length, Value) Value not 0: superscript, 0: not superscript
// All three arguments are 32-bit integers by reference; Value arrives as 0. A listener that
// cannot write to an argument (one written in Python) returns the value instead: a result that
// is not Empty is the answer.
#pragma once

#include <cstdint>
#include <string_view>

#include "automation/dispatch.h"

namespace glyphwright {

// What the listener wrote into Value. Any other number stands for a range that is partly set
// (the "mixed" answer 9999999); anything but a number is NotANumber.
enum class ListenerAnswer { Zero, MinusOne, OtherNumber, NotANumber };

// Calls the operation (GetSubscript or GetSuperscript) by name; its errors are raised.
ListenerAnswer AskFontListener(Dispatch& listener, std::u16string_view operation, int32_t index,
                               int32_t length);

}  // namespace glyphwright
