#include "automation/dispatch.h"

#include "automation/automation_error.h"

namespace glyphwright {

Variant CallByName(Dispatch& object, std::u16string_view name, InvokeKind kind, Arguments args) {
  const DispId id = object.GetIDsOfNames(name);
  if (id == kUnknownDispId) throw errors::NotSupported();
  return object.Invoke(id, kind, args);
}

}  // namespace glyphwright
