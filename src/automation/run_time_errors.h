// The automation run time's own errors: their standard numbers and texts, as Visual Basic and
// VBScript report them. The library raises them and the Windows server translates with them.
#pragma once

#include <cstdint>
#include <string_view>

namespace glyphwright {

// The run time's text for an error number; "Automation error" for a negative number (an HRESULT
// kept from a host) and "Application-defined or object-defined error" for any other number it
// has no text for, as Visual Basic says.
std::u16string_view StandardErrorText(int32_t number);

}  // namespace glyphwright
