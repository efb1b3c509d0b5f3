#include "python_errors.h"

#include <pybind11/eval.h>

#include "python_text.h"

namespace glyphwright::python {
namespace {

constexpr const char* kAutomationErrorSource = R"(
class AutomationError(Exception):
    """An automation error: number, description, source, help_file and help_context.

    Raised by every glyphwright call that fails. Host objects (an Executer or a FontListener
    written in Python) may raise it too; it then reaches the caller with all its fields.
    """

    def __init__(self, number, description, source="", help_file="", help_context=0):
        super().__init__(number, description, source, help_file, help_context)
        self.number = int(number)
        self.description = str(description)
        self.source = str(source)
        self.help_file = str(help_file)
        self.help_context = int(help_context)

    def __str__(self):
        return f"error {self.number}: {self.description}"
)";

py::object StrObject(std::u16string_view text) {
  PyObject* str = Utf16ToStr(text);
  if (str == nullptr) throw py::error_already_set();
  return py::reinterpret_steal<py::object>(str);
}

// Any object, as str() writes it.
std::u16string TextOfAny(py::handle value) {
  std::u16string text;
  const py::str str(value);
  if (!StrToUtf16(str.ptr(), text)) throw py::error_already_set();
  return text;
}

AutomationError FieldsOf(py::handle exception) {
  const auto field = [&](const char* name, py::object fallback) {
    return py::getattr(exception, name, fallback);
  };
  int32_t number = kPythonExceptionNumber;
  try {
    number = field("number", py::int_(kPythonExceptionNumber)).cast<int32_t>();
  } catch (const py::cast_error&) {
    // A number beyond 32 bits keeps the generic number; the description says what happened.
  }
  int32_t helpContext = 0;
  try {
    helpContext = field("help_context", py::int_(0)).cast<int32_t>();
  } catch (const py::cast_error&) {
  }
  return AutomationError(number, TextOfAny(field("description", py::str(""))),
                         TextOfAny(field("source", py::str(""))),
                         TextOfAny(field("help_file", py::str(""))), helpContext);
}

}  // namespace

py::object AutomationErrorType() {
  return py::module_::import("glyphwright").attr("AutomationError");
}

void DefineAutomationError(py::module_& module) {
  py::exec(kAutomationErrorSource, module.attr("__dict__"));
  py::register_exception_translator([](std::exception_ptr thrown) {
    try {
      if (thrown) std::rethrow_exception(thrown);
    } catch (const PythonAutomationError& error) {
      PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(error.Exception().ptr())),
                      error.Exception().ptr());
    } catch (const AutomationError& error) {
      const py::object type = AutomationErrorType();
      const py::object exception =
          type(error.Number(), StrObject(error.Description()), StrObject(error.Source()),
               StrObject(error.HelpFile()), error.HelpContext());
      PyErr_SetObject(type.ptr(), exception.ptr());
    }
  });
}

void RaiseAsAutomationError(py::error_already_set& error) {
  if (error.matches(AutomationErrorType())) {
    throw PythonAutomationError(FieldsOf(error.value()), error.value());
  }
  if (!error.matches(PyExc_Exception)) throw;
  const py::handle type = error.type();
  std::u16string description = TextOfAny(error.value());
  std::u16string typeName = TextOfAny(type.attr("__name__"));
  if (description.empty()) description = typeName;
  throw AutomationError(kPythonExceptionNumber, std::move(description), std::move(typeName));
}

}  // namespace glyphwright::python
