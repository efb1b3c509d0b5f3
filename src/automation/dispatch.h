// Dispatch: late binding by name. Hosts implement it for their editing objects; every public
// class of the library is one. Names compare ignoring case, as automation does.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "automation/variant.h"

namespace glyphwright {

using DispId = int32_t;
// The answer of GetIDsOfNames for a name the object does not know.
constexpr DispId kUnknownDispId = -1;

enum class InvokeKind : uint8_t { Method, PropertyGet, PropertyPut, PropertyPutRef };

// Arguments in call order (first argument first). Every argument is passed as a reference to a
// Variant, so a callee may write back; a caller that passes a value by value hands over a copy
// it owns.
using Arguments = std::span<Variant* const>;

class HostEditing;

class Dispatch {
 public:
  virtual ~Dispatch() = default;

  // The dispatch identifier of a member, or kUnknownDispId. Never raises.
  virtual DispId GetIDsOfNames(std::u16string_view name) = 0;

  // Calls a member. An identifier the object lacks, or a kind the member does not have, raises
  // 438; the member's own failures raise their AutomationError.
  virtual Variant Invoke(DispId id, InvokeKind kind, Arguments args) = 0;

  // The object's Executer operations as a C++ interface (host_editing.h), when it has one: a
  // runner then calls them directly instead of by name. Most objects have none.
  virtual HostEditing* Editing() { return nullptr; }
};

// GetIDsOfNames, then Invoke; a name the object lacks raises 438.
Variant CallByName(Dispatch& object, std::u16string_view name, InvokeKind kind, Arguments args);

}  // namespace glyphwright
