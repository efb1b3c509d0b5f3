// glyphwright.ExplainPeakList: why the list-to-table query gives a list the empty script.
#pragma once

#include <pybind11/pybind11.h>

namespace glyphwright::python {

void DefinePeakListFunctions(pybind11::module_& module);

}  // namespace glyphwright::python
