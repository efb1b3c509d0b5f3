#include "own_type_library.h"

#include <oleauto.h>

#include <string>

#include "chem/windows_module_file.h"

namespace glyphwright::com {

HRESULT LoadOwnTypeLibrary(ITypeLib** library) {
  try {
    const std::wstring path = windows::ModuleFileName(windows::ThisModule());
    if (path.empty()) return HRESULT_FROM_WIN32(GetLastError());
    return LoadTypeLibEx(path.c_str(), REGKIND_NONE, library);
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

}  // namespace glyphwright::com
