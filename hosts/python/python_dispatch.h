// PythonDispatch: any Python object as a Dispatch, so a Python editor object can be a runner's
// Executer or a digit query's FontListener. Members are found by name (exactly, else ignoring
// case as automation does); a name the object lacks is kUnknownDispId, which callers report as
// 438. Methods are called with the arguments converted to Python values; Python cannot write to
// them, so a listener answers by returning its value (see docs/python.md).
#pragma once

#include <pybind11/pybind11.h>

#include <string>
#include <vector>

#include "automation/dispatch.h"

namespace glyphwright::python {

namespace py = pybind11;

class PythonDispatch : public Dispatch {
 public:
  explicit PythonDispatch(py::object object) : object_(std::move(object)) {}

  const py::object& Object() const { return object_; }

  DispId GetIDsOfNames(std::u16string_view name) override;
  Variant Invoke(DispId id, InvokeKind kind, Arguments args) override;

 private:
  py::object object_;
  // The Python attribute name of every identifier handed out; the identifier is its index.
  std::vector<std::u16string> names_;
  std::vector<py::str> attributeNames_;
};

}  // namespace glyphwright::python
