// Python classes made from the member tables: one class per public class, with the same member
// names. Properties are Python properties (a put-only one cannot be read), methods take the
// table's parameter names as keywords. Every call goes through the object's Invoke, exactly as
// a late-bound call would, so arguments are converted the same way.
#pragma once

#include <pybind11/pybind11.h>

#include <memory>

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

template <class T>
void BindClass(py::module_& module, const ClassInfo& info) {
  const std::string name = Utf16ToUtf8(info.name);
  py::class_<T, Dispatch, std::shared_ptr<T>> cls(module, name.c_str(), ClassDoc(info).c_str());
  cls.def(py::init([] { return std::make_shared<T>(); }));
  AddMembers(cls, info.members());
}

}  // namespace glyphwright::python
