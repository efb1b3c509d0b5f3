#include "component/class_registry.h"

#include "automation/automation_error.h"
#include "chem/chem_formula_query.h"
#include "chem/chem_name_query.h"
#include "chem/chem_r_digit_query.h"
#include "chem/ion_formula_query.h"
#include "component/class_ids.h"
#include "journal/journal_query.h"
#include "nmr/nmr_specform_query.h"
#include "nmr/nmr_specform_r_query.h"
#include "script/command_runner.h"
#include "text/case_fold.h"

namespace glyphwright {
namespace {

const InterfaceInfo kNMRSpecFormRQueryAliases[] = {
    {u"NMRSpecFormRQuery___v0", ids::kNMRSpecFormRQueryInterfaceV0},
};

// In the order of registration, which is the order of the type library.
const ClassInfo kClasses[] = {
    {.name = u"CommandRunner",
     .helpString = u"Runs a command script against the host's Executer, calling its editing "
                   u"operations by name.",
     .clsid = ids::kCommandRunner,
     .interfaceId = ids::kCommandRunnerInterface,
     .aliases = {},
     .create = &CreateInstance<CommandRunner>,
     .members = &CommandRunner::Members},
    {.name = u"ChemFormulaQuery",
     .helpString = u"Subscripts the atom counts of a chemical formula, italicises its position "
                   u"and stereo prefixes, and writes the triple-bond sign and the middle dot.",
     .clsid = ids::kChemFormulaQuery,
     .interfaceId = ids::kChemFormulaQueryInterface,
     .aliases = {},
     .create = &CreateInstance<ChemFormulaQuery>,
     .members = &ChemFormulaQuery::Members},
    {.name = u"IonFormulaQuery",
     .helpString = u"Subscripts the counts of an ion formula and superscripts its charges.",
     .clsid = ids::kIonFormulaQuery,
     .interfaceId = ids::kIonFormulaQueryInterface,
     .aliases = {},
     .create = &CreateInstance<IonFormulaQuery>,
     .members = &IonFormulaQuery::Members},
    {.name = u"ChemRDigitQuery",
     .helpString = u"Steps every digit run of a text through plain, subscript and superscript, "
                   u"from the state of the first run that the host's FontListener reports.",
     .clsid = ids::kChemRDigitQuery,
     .interfaceId = ids::kChemRDigitQueryInterface,
     .aliases = {},
     .create = &CreateInstance<ChemRDigitQuery>,
     .members = &ChemRDigitQuery::Members},
    {.name = u"ChemNameQuery",
     .helpString = u"Italicises the prefixes, stereodescriptors and element locants of a "
                   u"chemical name and sets D, L and DL in small capitals.",
     .clsid = ids::kChemNameQuery,
     .interfaceId = ids::kChemNameQueryInterface,
     .aliases = {},
     .create = &CreateInstance<ChemNameQuery>,
     .members = &ChemNameQuery::Members},
    {.name = u"JournalQuery",
     .helpString = u"Sets the journal abbreviation of a reference in italics and its year or "
                   u"volume in bold.",
     .clsid = ids::kJournalQuery,
     .interfaceId = ids::kJournalQueryInterface,
     .aliases = {},
     .create = &CreateInstance<JournalQuery>,
     .members = &JournalQuery::Members},
    {.name = u"NMRSpecFormQuery",
     .helpString = u"Rewrites a TAB-separated NMR peak table as a running peak list.",
     .clsid = ids::kNMRSpecFormQuery,
     .interfaceId = ids::kNMRSpecFormQueryInterface,
     .aliases = {},
     .create = &CreateInstance<NMRSpecFormQuery>,
     .members = &NMRSpecFormQuery::Members},
    {.name = u"NMRSpecFormRQuery",
     .helpString = u"Parses a running NMR peak list and rebuilds it as a table in the style "
                   u"\"NMR Spec Table\".",
     .clsid = ids::kNMRSpecFormRQuery,
     .interfaceId = ids::kNMRSpecFormRQueryInterface,
     .aliases = kNMRSpecFormRQueryAliases,
     .create = &CreateInstance<NMRSpecFormRQuery>,
     .members = &NMRSpecFormRQuery::Members},
};

}  // namespace

std::span<const ClassInfo> PublicClasses() {
  return kClasses;
}

const ClassInfo* FindClass(std::u16string_view nameOrProgId) {
  for (const ClassInfo& info : kClasses) {
    if (EqualsIgnoringCase(info.ProgId(), nameOrProgId) ||
        EqualsIgnoringCase(info.name, nameOrProgId))
      return &info;
  }
  return nullptr;
}

DispatchRef CreateObject(std::u16string_view ProgId) {
  for (const ClassInfo& info : kClasses) {
    if (EqualsIgnoringCase(info.ProgId(), ProgId)) return info.create();
  }
  throw errors::CannotCreateObject();
}

}  // namespace glyphwright
