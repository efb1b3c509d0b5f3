// glyphwright.Lib: the library's text functions, and the helpers that turn the library's UTF-16
// positions into Python string indices and back.
#pragma once

#include <pybind11/pybind11.h>

namespace glyphwright::python {

void DefineLib(pybind11::module_& lib);
void DefinePositionHelpers(pybind11::module_& module);

}  // namespace glyphwright::python
