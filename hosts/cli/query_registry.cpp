#include "cli/query_registry.h"

#include "chem/chem_formula_query.h"
#include "chem/chem_name_query.h"
#include "chem/chem_r_digit_query.h"
#include "chem/ion_formula_query.h"
#include "journal/journal_query.h"
#include "nmr/nmr_spec_form_query.h"
#include "nmr/nmr_spec_form_r_query.h"
#include "text/case_fold.h"

namespace glyphwright::cli {

const QueryEntry* QueryRegistry::Find(std::u16string_view name) const {
  for (const QueryEntry& entry : entries_) {
    if (EqualsIgnoringCase(entry.alias, name) || EqualsIgnoringCase(entry.className, name)) {
      return &entry;
    }
  }
  return nullptr;
}

// One line a query, with its library linked to the command (hosts/cli/CMakeLists.txt), e.g.
//   registry.Add({u"ion", u"IonFormulaQuery", &MakeQuery<IonFormulaQuery>});
// The aliases: formula (ChemFormulaQuery), ion (IonFormulaQuery), digits (ChemRDigitQuery),
// name (ChemNameQuery), journal (JournalQuery), nmr-list (NMRSpecFormQuery: peak table to
// running list), nmr-table (NMRSpecFormRQuery: running list to peak table).
QueryRegistry BuiltInQueries() {
  QueryRegistry registry;
  registry.Add({u"formula", u"ChemFormulaQuery", &MakeQuery<ChemFormulaQuery>});
  registry.Add({u"ion", u"IonFormulaQuery", &MakeQuery<IonFormulaQuery>});
  registry.Add({u"digits", u"ChemRDigitQuery", &MakeQuery<ChemRDigitQuery>});
  registry.Add({u"name", u"ChemNameQuery", &MakeQuery<ChemNameQuery>});
  registry.Add({u"journal", u"JournalQuery", &MakeQuery<JournalQuery>});
  registry.Add({u"nmr-list", u"NMRSpecFormQuery", &MakeQuery<NMRSpecFormQuery>});
  registry.Add({u"nmr-table", u"NMRSpecFormRQuery", &MakeQuery<NMRSpecFormRQuery>});
  return registry;
}

}  // namespace glyphwright::cli
