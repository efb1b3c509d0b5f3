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

// In the order of registration, which is the order of the type library and of the command's
// list of queries.
const ClassInfo kClasses[] = {
    ClassOf<CommandRunner>(u"CommandRunner", u"", ids::kCommandRunner, ids::kCommandRunnerInterface,
                           u"Runs a command script against the host's Executer, calling its "
                           u"editing operations by name."),
    ClassOf<ChemFormulaQuery>(u"ChemFormulaQuery", u"formula", ids::kChemFormulaQuery,
                              ids::kChemFormulaQueryInterface,
                              u"Subscripts the atom counts of a chemical formula, italicises its "
                              u"position and stereo prefixes, and writes the triple-bond sign and "
                              u"the middle dot."),
    ClassOf<IonFormulaQuery>(
        u"IonFormulaQuery", u"ion", ids::kIonFormulaQuery, ids::kIonFormulaQueryInterface,
        u"Subscripts the counts of an ion formula and superscripts its charges."),
    ClassOf<ChemRDigitQuery>(u"ChemRDigitQuery", u"digits", ids::kChemRDigitQuery,
                             ids::kChemRDigitQueryInterface,
                             u"Steps every digit run of a text through plain, subscript and "
                             u"superscript, from the state of the first run that the host's "
                             u"FontListener reports."),
    ClassOf<ChemNameQuery>(u"ChemNameQuery", u"name", ids::kChemNameQuery,
                           ids::kChemNameQueryInterface,
                           u"Italicises the prefixes, stereodescriptors and element locants of a "
                           u"chemical name and sets D, L and DL in small capitals."),
    ClassOf<JournalQuery>(u"JournalQuery", u"journal", ids::kJournalQuery,
                          ids::kJournalQueryInterface,
                          u"Sets the journal abbreviation of a reference in italics and its year "
                          u"or volume in bold."),
    ClassOf<NMRSpecFormQuery>(u"NMRSpecFormQuery", u"nmr-list", ids::kNMRSpecFormQuery,
                              ids::kNMRSpecFormQueryInterface,
                              u"Rewrites a TAB-separated NMR peak table as a running peak list."),
    ClassOf<NMRSpecFormRQuery>(u"NMRSpecFormRQuery", u"nmr-table", ids::kNMRSpecFormRQuery,
                               ids::kNMRSpecFormRQueryInterface,
                               u"Parses a running NMR peak list and rebuilds it as a table in the "
                               u"style \"NMR Spec Table\".",
                               kNMRSpecFormRQueryAliases),
    ClassOf<CharacterisationQuery>(u"CharacterisationQuery", u"data", ids::kCharacterisationQuery,
                                   ids::kCharacterisationQueryInterface,
                                   u"Formats a paragraph of characterisation data as journals "
                                   u"print it: formulas, ranges, rotations, IR units, Rf, NMR "
                                   u"headers and HRMS ions."),
    ClassOf<NMRStyleQuery>(
        u"NMRStyleQuery", u"nmr-style", ids::kNMRStyleQuery, ids::kNMRStyleQueryInterface,
        u"Rewrites a running NMR peak list with its header in the style of a journal."),
    ClassOf<ChemTextQuery>(u"ChemTextQuery", u"text", ids::kChemTextQuery,
                           ids::kChemTextQueryInterface,
                           u"Finds the formulas, ions, names, NMR headers and journal references "
                           u"in running text and formats each as its own query would."),
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
