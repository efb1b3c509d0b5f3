// MemberRow: one accessor of a public class's member, as its member table lists it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "automation/dispatch.h"

namespace glyphwright {

enum class ValueType : uint8_t { Void, Boolean, Long, Double, String, Object, Variant };

struct ParamInfo {
  std::u16string_view name;
  ValueType type = ValueType::Void;
  bool byRef = false;     // the callee may write the argument back
  bool optional = false;  // may be left out; a Long then takes defaultValue
  int32_t defaultValue = 0;
};

// The most parameters a member has; every row holds room for them, so all rows are alike.
constexpr std::size_t kMaxParams = 4;

// One accessor of a member: a property with a get and a put has two rows with the same name and
// identifier, in interface order, exactly as a type library lists them. The type library, the
// Python binding and the documentation read the rows; late binding calls `call`.
struct MemberRow {
  std::u16string_view name;
  InvokeKind kind = InvokeKind::Method;
  DispId id = kUnknownDispId;
  ValueType type = ValueType::Void;  // the property's type, or the method's result (Void: none)
  std::array<ParamInfo, kMaxParams> paramSlots{};
  uint8_t paramCount = 0;
  // Called on the object the table belongs to, with the arguments converted to the declared
  // types (by-reference ones untouched) and optional ones filled in.
  Variant (*call)(Dispatch& self, Arguments args) = nullptr;

  // Every parameter in call order; a property put or put by reference lists the assigned value
  // as its last (often only) parameter.
  constexpr std::span<const ParamInfo> params() const { return {paramSlots.data(), paramCount}; }
};

using MemberTable = std::span<const MemberRow>;

}  // namespace glyphwright
