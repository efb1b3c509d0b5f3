#include "component/class_registry.h"

#include "automation/automation_error.h"
#include "component/class_ids.h"
#include "journal/journal_query.h"
#include "nmr/nmr_spec_form_query.h"
#include "nmr/nmr_spec_form_r_query.h"
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
