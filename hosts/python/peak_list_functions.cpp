#include "peak_list_functions.h"

#include "nmr/peak_list_explanation.h"
#include "python_text.h"

namespace glyphwright::python {

namespace py = pybind11;

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
