// The glyphwright Python module: every public class (made from its member table), CreateObject,
// AutomationError, the Lib text functions and the position helpers.
#include <pybind11/pybind11.h>

#include "bind_class.h"
#include "characterisation/characterisation_query.h"
#include "characterisation_binding.h"
#include "chem/chem_formula_query.h"
#include "chem/chem_name_query.h"
#include "chem/chem_r_digit_query.h"
#include "chem/ion_formula_query.h"
#include "cli_function.h"
#include "component/class_registry.h"
#include "document_binding.h"
#include "journal/journal_query.h"
#include "lib_functions.h"
#include "nmr/nmr_specform_query.h"
#include "nmr/nmr_specform_r_query.h"
#include "nmr/nmr_style_query.h"
#include "peak_list_functions.h"
#include "prose/chem_text_query.h"
#include "python_errors.h"
#include "python_text.h"
#include "python_variant.h"
#include "script/command_runner.h"

namespace py = pybind11;

namespace glyphwright::python {
namespace {

// One Python class per registered class, each from its C++ type.
template <class T>
void Bind(py::module_& module, std::u16string_view name) {
  const ClassInfo* info = FindClass(name);
  if (info == nullptr) throw std::logic_error("unregistered class " + Utf16ToUtf8(name));
  BindClass<T>(module, *info);
}

}  // namespace
}  // namespace glyphwright::python

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
  DispatchClass(module, "Dispatch",
                "Base of every glyphwright object: an automation object reached by name.");

  Bind<CommandRunner>(module, u"CommandRunner");
  Bind<ChemFormulaQuery>(module, u"ChemFormulaQuery");
  Bind<IonFormulaQuery>(module, u"IonFormulaQuery");
  Bind<ChemRDigitQuery>(module, u"ChemRDigitQuery");
  Bind<ChemNameQuery>(module, u"ChemNameQuery");
  Bind<JournalQuery>(module, u"JournalQuery");
  Bind<NMRSpecFormQuery>(module, u"NMRSpecFormQuery");
  Bind<NMRSpecFormRQuery>(module, u"NMRSpecFormRQuery");
  Bind<CharacterisationQuery>(module, u"CharacterisationQuery");
  Bind<NMRStyleQuery>(module, u"NMRStyleQuery");
  Bind<ChemTextQuery>(module, u"ChemTextQuery");

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
