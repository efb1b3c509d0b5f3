// The glyphwright Python module: every public class (made from its member table), CreateObject,
// AutomationError, the Lib text functions and the position helpers.
#include <pybind11/pybind11.h>

#include "bind_class.h"
#include "characterisation_binding.h"
#include "cli_function.h"
#include "component/class_registry.h"
#include "document_binding.h"
#include "lib_functions.h"
#include "peak_list_functions.h"
#include "python_errors.h"
#include "python_text.h"
#include "python_variant.h"

namespace py = pybind11;

PYBIND11_MODULE(glyphwright, module) {
  using namespace glyphwright;
  using namespace glyphwright::python;

  module.doc() =
      "Glyphwright formats chemical text: a query turns plain text into a command script, a "
      "CommandRunner runs the script against your editor object (its Executer) by name.\n\n"
      "Positions and lengths are UTF-16 code units of the text given to GetCommands.";
  module.attr("__version__") = GLYPHWRIGHT_VERSION;

  DefineAutomationError(module);

  // The common base of every glyphwright object: what an Executer or FontListener may be set to
  // besides a Python object.
  BindDispatch(module);
  for (const ClassInfo& info : PublicClasses()) BindClass(module, info);

  module.def(
      "CreateObject",
      [](py::str ProgId) {
        std::u16string progId;
        if (!StrToUtf16(ProgId.ptr(), progId)) throw py::error_already_set();
        return FromVariant(Variant(CreateObject(progId)));
      },
      py::arg("ProgId"),
      "A new object of the class registered under ProgId (\"Glyphwright.CommandRunner\"), "
      "ignoring case. An unknown ProgID raises AutomationError 429.");

  DefineDocument(module);
  DefineCharacterisation(module);

  py::module_ lib = module.def_submodule("Lib");
  DefineLib(lib);
  DefinePositionHelpers(module);
  DefineCliFunction(module);
  DefinePeakListFunctions(module);
}
