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

// Every public class with a short name is a query of the command.
QueryRegistry BuiltInQueries() {
  QueryRegistry registry;
  for (const ClassInfo& info : PublicClasses()) {
    if (!info.shortName.empty()) registry.Add({info.shortName, info.name, info.create});
  }
  return registry;
}

}  // namespace glyphwright::cli
