// The type library inside Quillet.dll (resource TYPELIB 1), loaded without registering it.
#pragma once

#include <windows.h>

#include <oaidl.h>

namespace glyphwright::com {

HRESULT LoadOwnTypeLibrary(ITypeLib** library);

}  // namespace glyphwright::com
