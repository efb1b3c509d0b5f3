// AutomationError on the Python side: one exception class, glyphwright.AutomationError, with the
// five fields of an automation error. Errors cross the boundary both ways with every field.
#pragma once

#include <pybind11/pybind11.h>

#include "automation/automation_error.h"

namespace glyphwright::python {

namespace py = pybind11;

// The number given to any other Python exception raised by a host object: the run time's
// "Automation error", with the exception's message as description and its type as source.
constexpr int32_t kPythonExceptionNumber = 440;

// An AutomationError that a Python host raised: carries the Python exception itself, so it
// reaches the Python caller as the very object raised (with its traceback).
class PythonAutomationError : public AutomationError {
 public:
  PythonAutomationError(AutomationError fields, py::object exception)
      : AutomationError(std::move(fields)), exception_(std::move(exception)) {}
  const py::object& Exception() const { return exception_; }

 private:
  py::object exception_;
};

// Defines glyphwright.AutomationError and the translation of C++ AutomationError into it.
void DefineAutomationError(py::module_& module);

py::object AutomationErrorType();

// The automation error for the Python exception just caught. BaseExceptions that are not
// Exceptions (KeyboardInterrupt, SystemExit) are rethrown as they are: no IgnoreError may
// swallow them.
[[noreturn]] void RaiseAsAutomationError(py::error_already_set& error);

}  // namespace glyphwright::python
