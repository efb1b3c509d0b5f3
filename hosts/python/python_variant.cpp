#include "python_variant.h"

#include "automation/automation_error.h"
#include "automation/dispatch.h"
#include "bind_class.h"
#include "python_dispatch.h"
#include "python_text.h"

namespace glyphwright::python {

Variant ToVariant(py::handle value) {
  PyObject* object = value.ptr();
  if (object == Py_None) return {};
  if (PyBool_Check(object)) return Variant(object == Py_True);
  if (PyLong_Check(object)) {
    int overflow = 0;
    const long long number = PyLong_AsLongLongAndOverflow(object, &overflow);
    if (overflow == 0 && number >= INT32_MIN && number <= INT32_MAX) {
      return Variant(static_cast<int32_t>(number));
    }
    const double wide = PyLong_AsDouble(object);
    if (wide == -1.0 && PyErr_Occurred()) {
      PyErr_Clear();
      throw errors::Overflow();
    }
    return Variant(wide);
  }
  if (PyFloat_Check(object)) return Variant(PyFloat_AS_DOUBLE(object));
  if (PyUnicode_Check(object)) {
    std::u16string text;
    if (!StrToUtf16(object, text)) throw py::error_already_set();
    return Variant(std::move(text));
  }
  if (py::isinstance<Dispatch>(value)) return Variant(value.cast<DispatchRef>());
  return Variant(
      DispatchRef(std::make_shared<PythonDispatch>(py::reinterpret_borrow<py::object>(value))));
}

py::object FromVariant(const Variant& value) {
  switch (value.GetType()) {
    case Variant::Type::Empty:
      return py::none();
    case Variant::Type::Boolean:
      return py::bool_(value.ToBoolean());
    case Variant::Type::Long:
      return py::int_(value.ToLong());
    case Variant::Type::Double:
      return py::float_(value.ToDouble());
    case Variant::Type::String: {
      PyObject* str = Utf16ToStr(*value.AsString());
      if (str == nullptr) throw py::error_already_set();
      return py::reinterpret_steal<py::object>(str);
    }
    case Variant::Type::Object: {
      const DispatchRef object = value.ToObject();
      if (!object) return py::none();
      if (const auto* wrapped = dynamic_cast<const PythonDispatch*>(object.get())) {
        return wrapped->Object();
      }
      return WrapObject(object);
    }
  }
  return py::none();
}

}  // namespace glyphwright::python
