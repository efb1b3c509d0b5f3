// How the Python module names the type of a member's value: its signatures and the reference
// pages' Python examples say the same.
#pragma once

#include "automation/member_table.h"

namespace glyphwright {

const char* PythonType(ValueType type);

}  // namespace glyphwright
