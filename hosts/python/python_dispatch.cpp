#include "python_dispatch.h"

#include "automation/automation_error.h"
#include "python_errors.h"
#include "python_text.h"
#include "python_variant.h"
#include "text/case_fold.h"

namespace glyphwright::python {
DispId PythonDispatch::GetIDsOfNames(std::u16string_view name) {
  for (std::size_t id = 0; id < names_.size(); ++id) {
    if (names_[id] == name) return static_cast<DispId>(id);
  }
  try {
    py::str attribute = Str(name);
    if (!py::hasattr(object_, attribute)) {
      // Automation names ignore case; Python's do not, so look for the spelling the object uses.
      bool found = false;
      for (py::handle candidate : py::reinterpret_steal<py::list>(PyObject_Dir(object_.ptr()))) {
        if (PyUnicode_Check(candidate.ptr()) && EqualsIgnoringCase(Text(candidate), name)) {
          attribute = py::reinterpret_borrow<py::str>(candidate);
          found = true;
          break;
        }
      }
      if (!found) return kUnknownDispId;
    }
    names_.emplace_back(name);
    attributeNames_.push_back(std::move(attribute));
    return static_cast<DispId>(names_.size() - 1);
  } catch (const py::error_already_set&) {
    // GetIDsOfNames never raises: an object whose dir() fails simply lacks the member.
    return kUnknownDispId;
  }
}

Variant PythonDispatch::Invoke(DispId id, InvokeKind kind, Arguments args) {
  if (id < 0 || static_cast<std::size_t>(id) >= attributeNames_.size()) {
    throw errors::NotSupported();
  }
  const py::str& name = attributeNames_[static_cast<std::size_t>(id)];
  try {
    if (kind == InvokeKind::PropertyPut || kind == InvokeKind::PropertyPutRef) {
      if (args.empty()) throw errors::ArgumentNotOptional();
      py::setattr(object_, name, FromVariant(*args.back()));
      return {};
    }
    py::object member;
    try {
      member = object_.attr(name);
    } catch (py::error_already_set& error) {
      if (error.matches(PyExc_AttributeError)) throw errors::NotSupported();
      throw;
    }
    if (!PyCallable_Check(member.ptr())) {
      // A plain attribute read as a property.
      if (!args.empty()) throw errors::NotSupported();
      return ToVariant(member);
    }
    py::tuple values(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) values[i] = FromVariant(*args[i]);
    return ToVariant(member(*values));
  } catch (py::error_already_set& error) {
    RaiseAsAutomationError(error);
  }
}

}  // namespace glyphwright::python
