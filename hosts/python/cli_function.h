// glyphwright._run_cli: the glyphwright command inside the interpreter, for python3 -m glyphwright.
#pragma once

#include <pybind11/pybind11.h>

namespace glyphwright::python {

void DefineCliFunction(pybind11::module_& module);

}  // namespace glyphwright::python
