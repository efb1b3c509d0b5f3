// Which file holds this code, asked of the loader by an address inside it: the DLL when the code
// runs in Quillet.dll, the program when it is linked into one.
#pragma once

#include <windows.h>

#include <string>

namespace glyphwright::windows {

// The module that holds this code (its reference count is not changed).
HMODULE ThisModule();

// The full path of a module's file, however long; "" when the loader cannot tell.
std::wstring ModuleFileName(HMODULE module);

}  // namespace glyphwright::windows
