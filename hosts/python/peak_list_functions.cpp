#include "peak_list_functions.h"

#include "nmr/peak_list_explanation.h"
#include "python_text.h"

namespace glyphwright::python {

namespace py = pybind11;

namespace {

std::u16string Text(const py::str& value) {
  std::u16string text;
  if (!StrToUtf16(value.ptr(), text)) throw py::error_already_set();
  return text;
}

py::str Str(std::u16string_view text) {
  PyObject* str = Utf16ToStr(text);
  if (str == nullptr) throw py::error_already_set();
  return py::reinterpret_steal<py::str>(str);
}

}  // namespace

void DefinePeakListFunctions(py::module_& module) {
  module.def(
      "ExplainPeakList",
      [](py::str Text_, py::str SpecFormat, bool Strict) -> py::object {
        const auto failure = ExplainPeakList(Text(Text_), Text(SpecFormat), Strict);
        if (!failure) return py::none();
        return py::make_tuple(Str(failure->Message), failure->Offset);
      },
      py::arg("Text"), py::arg("SpecFormat") = "", py::arg("Strict") = false,
      "Why NMRSpecFormRQuery with these settings cannot read the peak list of Text: "
      "(message, offset), the offset in UTF-16 code units; None when the list reads or there is "
      "no list.");
  module.def(
      "DescribePeakListFailure",
      [](py::str Text_, py::str SpecFormat, bool Strict) -> py::object {
        const std::u16string text = Text(Text_);
        const auto failure = ExplainPeakList(text, Text(SpecFormat), Strict);
        if (!failure) return py::none();
        return Str(DescribePeakListFailure(text, *failure));
      },
      py::arg("Text"), py::arg("SpecFormat") = "", py::arg("Strict") = false,
      "The same as one line for a user, 'Missing comma. (at offset 21: \u00AB...\u00BB)', or "
      "None.");
}

}  // namespace glyphwright::python
