#include "component/class_registry.h"

#include "automation/automation_error.h"
#include "characterisation/characterisation_query.h"
#include "chem/chem_formula_query.h"
#include "chem/chem_name_query.h"
#include "chem/chem_r_digit_query.h"
#include "chem/ion_formula_query.h"
#include "component/class_ids.h"
#include "journal/journal_query.h"
#include "nmr/nmr_specform_query.h"
#include "nmr/nmr_specform_r_query.h"
#include "nmr/nmr_style_query.h"
#include "prose/chem_text_query.h"
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
     .progId = u"Glyphwright.CommandRunner",
     .helpString = u"Runs a command script against the host's Executer, calling its editing "
                   u"operations by name.",
     .clsid = ids::kCommandRunner,
     .defaultInterface = {u"_CommandRunner", ids::kCommandRunnerInterface},
     .aliases = {},
     .create = &CreateInstance<CommandRunner>,
     .members = &SignaturesOf<CommandRunner>},
    {.name = u"ChemFormulaQuery",
     .progId = u"Glyphwright.ChemFormulaQuery",
     .helpString = u"Subscripts the atom counts of a chemical formula, italicises its position "
                   u"and stereo prefixes, and writes the triple-bond sign and the middle dot.",
     .clsid = ids::kChemFormulaQuery,
     .defaultInterface = {u"_ChemFormulaQuery", ids::kChemFormulaQueryInterface},
     .aliases = {},
     .create = &CreateInstance<ChemFormulaQuery>,
     .members = &SignaturesOf<ChemFormulaQuery>},
    {.name = u"IonFormulaQuery",
     .progId = u"Glyphwright.IonFormulaQuery",
     .helpString = u"Subscripts the counts of an ion formula and superscripts its charges.",
     .clsid = ids::kIonFormulaQuery,
     .defaultInterface = {u"_IonFormulaQuery", ids::kIonFormulaQueryInterface},
     .aliases = {},
     .create = &CreateInstance<IonFormulaQuery>,
     .members = &SignaturesOf<IonFormulaQuery>},
    {.name = u"ChemRDigitQuery",
     .progId = u"Glyphwright.ChemRDigitQuery",
     .helpString = u"Steps every digit run of a text through plain, subscript and superscript, "
                   u"from the state of the first run that the host's FontListener reports.",
     .clsid = ids::kChemRDigitQuery,
     .defaultInterface = {u"_ChemRDigitQuery", ids::kChemRDigitQueryInterface},
     .aliases = {},
     .create = &CreateInstance<ChemRDigitQuery>,
     .members = &SignaturesOf<ChemRDigitQuery>},
    {.name = u"ChemNameQuery",
     .progId = u"Glyphwright.ChemNameQuery",
     .helpString = u"Italicises the prefixes, stereodescriptors and element locants of a "
                   u"chemical name and sets D, L and DL in small capitals.",
     .clsid = ids::kChemNameQuery,
     .defaultInterface = {u"_ChemNameQuery", ids::kChemNameQueryInterface},
     .aliases = {},
     .create = &CreateInstance<ChemNameQuery>,
     .members = &SignaturesOf<ChemNameQuery>},
    {.name = u"JournalQuery",
     .progId = u"Glyphwright.JournalQuery",
     .helpString = u"Sets the journal abbreviation of a reference in italics and its year or "
                   u"volume in bold.",
     .clsid = ids::kJournalQuery,
     .defaultInterface = {u"_JournalQuery", ids::kJournalQueryInterface},
     .aliases = {},
     .create = &CreateInstance<JournalQuery>,
     .members = &SignaturesOf<JournalQuery>},
    {.name = u"NMRSpecFormQuery",
     .progId = u"Glyphwright.NMRSpecFormQuery",
     .helpString = u"Rewrites a TAB-separated NMR peak table as a running peak list.",
     .clsid = ids::kNMRSpecFormQuery,
     .defaultInterface = {u"_NMRSpecFormQuery", ids::kNMRSpecFormQueryInterface},
     .aliases = {},
     .create = &CreateInstance<NMRSpecFormQuery>,
     .members = &SignaturesOf<NMRSpecFormQuery>},
    {.name = u"NMRSpecFormRQuery",
     .progId = u"Glyphwright.NMRSpecFormRQuery",
     .helpString = u"Parses a running NMR peak list and rebuilds it as a table in the style "
                   u"\"NMR Spec Table\".",
     .clsid = ids::kNMRSpecFormRQuery,
     .defaultInterface = {u"_NMRSpecFormRQuery", ids::kNMRSpecFormRQueryInterface},
     .aliases = kNMRSpecFormRQueryAliases,
     .create = &CreateInstance<NMRSpecFormRQuery>,
     .members = &SignaturesOf<NMRSpecFormRQuery>},
    {.name = u"CharacterisationQuery",
     .progId = u"Glyphwright.CharacterisationQuery",
     .helpString = u"Formats a paragraph of characterisation data as journals print it: "
                   u"formulas, ranges, rotations, IR units, Rf, NMR headers and HRMS ions.",
     .clsid = ids::kCharacterisationQuery,
     .defaultInterface = {u"_CharacterisationQuery", ids::kCharacterisationQueryInterface},
     .aliases = {},
     .create = &CreateInstance<CharacterisationQuery>,
     .members = &SignaturesOf<CharacterisationQuery>},
    {.name = u"NMRStyleQuery",
     .progId = u"Glyphwright.NMRStyleQuery",
     .helpString = u"Rewrites a running NMR peak list with its header in the style of a journal.",
     .clsid = ids::kNMRStyleQuery,
     .defaultInterface = {u"_NMRStyleQuery", ids::kNMRStyleQueryInterface},
     .aliases = {},
     .create = &CreateInstance<NMRStyleQuery>,
     .members = &SignaturesOf<NMRStyleQuery>},
    {.name = u"ChemTextQuery",
     .progId = u"Glyphwright.ChemTextQuery",
     .helpString = u"Finds the formulas, ions, names, NMR headers and journal references in "
                   u"running text and formats each as its own query would.",
     .clsid = ids::kChemTextQuery,
     .defaultInterface = {u"_ChemTextQuery", ids::kChemTextQueryInterface},
     .aliases = {},
     .create = &CreateInstance<ChemTextQuery>,
     .members = &SignaturesOf<ChemTextQuery>},
};

}  // namespace

std::span<const ClassInfo> PublicClasses() {
  return kClasses;
}

const ClassInfo* FindClass(std::u16string_view nameOrProgId) {
  for (const ClassInfo& info : kClasses) {
    if (EqualsIgnoringCase(info.progId, nameOrProgId) ||
        EqualsIgnoringCase(info.name, nameOrProgId))
      return &info;
  }
  return nullptr;
}

DispatchRef CreateObject(std::u16string_view ProgId) {
  for (const ClassInfo& info : kClasses) {
    if (EqualsIgnoringCase(info.progId, ProgId)) return info.create();
  }
  throw AutomationError(429, u"ActiveX component can't create object");
}

}  // namespace glyphwright
