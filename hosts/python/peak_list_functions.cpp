#include "peak_list_functions.h"

#include "nmr/peak_list_explanation.h"
#include "python_text.h"

namespace glyphwright::python {

namespace py = pybind11;

void DefinePeakListFunctions(py::module_& module) {
  module.def(
      "ExplainPeakList",
      [](py::str Text, py::str SpecFormat, bool Strict) -> py::object {
        std::u16string text;
        std::u16string specFormat;
        if (!StrToUtf16(Text.ptr(), text) || !StrToUtf16(SpecFormat.ptr(), specFormat)) {
          throw py::error_already_set();
        }
        const auto failure = ExplainPeakList(text, specFormat, Strict);
        if (!failure) return py::none();
        PyObject* message = Utf16ToStr(failure->Message);
        if (message == nullptr) throw py::error_already_set();
        return py::make_tuple(py::reinterpret_steal<py::str>(message), failure->Offset);
      },
      py::arg("Text"), py::arg("SpecFormat") = "", py::arg("Strict") = false,
      "Why NMRSpecFormRQuery with these settings cannot read the peak list of Text: "
      "(message, offset), the offset in UTF-16 code units; None when the list reads or there is "
      "no list.");
}

}  // namespace glyphwright::python
