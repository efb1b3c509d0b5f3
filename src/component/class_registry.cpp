#include "component/class_registry.h"

#include "automation/automation_error.h"
#include "component/class_ids.h"
#include "script/command_runner.h"
#include "text/case_fold.h"

namespace glyphwright {
namespace {

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
