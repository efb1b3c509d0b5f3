#include "cli/query_registry.h"

#include "chem/script_sink.h"
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

bool HasFontListener(Dispatch& query) {
  return query.GetIDsOfNames(u"FontListener") != kUnknownDispId;
}

bool MayRejectText(const QueryEntry& entry) {
  return entry.className == u"NMRSpecFormRQuery";
}

StreamedCommands* StreamingQuery(Dispatch& query, const QueryEntry& entry) {
  if (MayRejectText(entry) || HasFontListener(query)) return nullptr;
  return dynamic_cast<StreamedCommands*>(&query);
}

}  // namespace glyphwright::cli
