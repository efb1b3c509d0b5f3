#include "cli/query_registry.h"

#include "component/class_registry.h"
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

// The aliases of the public query classes; the objects come from the class registry.
QueryRegistry BuiltInQueries() {
  constexpr std::pair<std::u16string_view, std::u16string_view> kAliases[] = {
      {u"formula", u"ChemFormulaQuery"},    {u"ion", u"IonFormulaQuery"},
      {u"digits", u"ChemRDigitQuery"},      {u"name", u"ChemNameQuery"},
      {u"journal", u"JournalQuery"},        {u"nmr-list", u"NMRSpecFormQuery"},
      {u"nmr-table", u"NMRSpecFormRQuery"}, {u"data", u"CharacterisationQuery"},
      {u"nmr-style", u"NMRStyleQuery"},     {u"text", u"ChemTextQuery"},
  };
  QueryRegistry registry;
  for (const auto& [alias, className] : kAliases) {
    const ClassInfo* info = FindClass(className);
    registry.Add({alias, info->name, info->create});
  }
  return registry;
}

}  // namespace glyphwright::cli
