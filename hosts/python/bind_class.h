// Python classes made from the member tables: one class per public class, with the same member
// names. Properties are Python properties (a put-only one cannot be read), methods take the
// table's parameter names as keywords. Every call goes through the object's Invoke, exactly as
// a late-bound call would, so arguments are converted the same way.
#pragma once

#include <pybind11/pybind11.h>

#include "automation/dispatch.h"
#include "component/class_info.h"
#include "text/utf8.h"

namespace glyphwright::python {

namespace py = pybind11;

using DispatchClass = py::class_<Dispatch, DispatchRef>;

// Adds the members of a table to a Python class.
void AddMembers(py::handle cls, const MemberTable& rows);

// The docstring of a class: its identity and members.
std::string ClassDoc(const ClassInfo& info);

// The base class Dispatch, which every bound class derives from.
DispatchClass BindDispatch(py::module_& module);

// One Python class for a registered class: a subclass of the module's Dispatch named after it,
// whose constructor makes a new object and whose members are its member table's.
void BindClass(py::module_& module, const ClassInfo& info);

// The object as a Python object of its bound class: the one Python already holds for it, else a
// new one of the class it is registered as, else a plain Dispatch.
py::object WrapObject(const DispatchRef& object);

}  // namespace glyphwright::python
