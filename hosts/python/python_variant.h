// Python values and Variants. None is Empty (or Nothing where an object is expected), bool is
// Boolean, an int within 32 bits is Long and a larger one Double, float is Double, str is
// String, a glyphwright object is itself, and any other object is wrapped as a PythonDispatch.
#pragma once

#include <pybind11/pybind11.h>

#include "automation/variant.h"

namespace glyphwright::python {

namespace py = pybind11;

Variant ToVariant(py::handle value);

// Back to Python: Empty and Nothing are None, a wrapped Python object is the object itself.
py::object FromVariant(const Variant& value);

}  // namespace glyphwright::python
