#include "characterisation_binding.h"

#include "characterisation/characterisation_check.h"
#include "python_text.h"

namespace glyphwright::python {

namespace py = pybind11;

void DefineCharacterisation(py::module_& module) {
  module.def(
      "CheckCharacterisation",
      [](py::str Text) {
        std::u16string text;
        if (!StrToUtf16(Text.ptr(), text)) throw py::error_already_set();
        py::list findings;
        for (const Finding& finding : CheckCharacterisation(text)) {
          PyObject* message = Utf16ToStr(finding.message);
          if (message == nullptr) throw py::error_already_set();
          findings.append(py::make_tuple(finding.offset, py::reinterpret_steal<py::str>(message)));
        }
        return findings;
      },
      py::arg("Text"),
      "The findings of the characterisation checker for Text, a list of (offset, message) in "
      "text order; empty when every HRMS and elemental analysis value agrees with its formula. "
      "Offsets are UTF-16 code units, as every position of the library (from_utf16_offset gives "
      "the Python index).");
}

}  // namespace glyphwright::python
