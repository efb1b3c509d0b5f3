// glyphwright.CheckCharacterisation: the characterisation checker for Python.
#pragma once

#include <pybind11/pybind11.h>

namespace glyphwright::python {

void DefineCharacterisation(pybind11::module_& module);

}  // namespace glyphwright::python
