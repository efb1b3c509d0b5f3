// Member tables: one table per public class lists its members in interface order, with their
// kind, dispatch identifier, types and parameters. The table drives late binding (TableDispatch
// below), the Windows type library and the Python binding, so the surface is written once.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "automation/automation_error.h"
#include "automation/dispatch.h"
#include "text/case_fold.h"

namespace glyphwright {

enum class ValueType : uint8_t { Void, Boolean, Long, Double, String, Object, Variant };

struct ParamInfo {
  std::u16string_view name;
  ValueType type;
  bool byRef = false;     // the callee may write the argument back
  bool optional = false;  // may be left out; a Long then takes defaultValue
  int32_t defaultValue = 0;
};

// One accessor of a member: a property with a get and a put has two rows with the same name and
// identifier, in interface order, exactly as a type library lists them. The signature alone is
// what the type library, the Python binding and the documentation read.
struct MemberSignature {
  std::u16string_view name;
  InvokeKind kind;
  DispId id;
  ValueType type;  // the property's type, or the method's result (Void for none)
  // Every parameter in call order; a property put or put by reference lists the assigned value
  // as its last (often only) parameter.
  std::span<const ParamInfo> params;
};

template <class T>
struct MemberInfo : MemberSignature {
  // Called with the arguments converted to the declared types (by-reference ones untouched).
  Variant (*call)(T& self, Arguments args);
};

// Converts one argument to its declared type, the way automation coerces a variant.
Variant CoerceArgument(const Variant& value, ValueType type);

// A Dispatch whose members come from T::Members(), a span of MemberInfo<T>.
template <class T>
class TableDispatch : public Dispatch {
 public:
  DispId GetIDsOfNames(std::u16string_view name) override {
    for (const MemberInfo<T>& member : T::Members()) {
      if (EqualsIgnoringCase(member.name, name)) return member.id;
    }
    return kUnknownDispId;
  }

  static constexpr std::size_t kMaxArgs = 4;

  Variant Invoke(DispId id, InvokeKind kind, Arguments args) override {
    const MemberInfo<T>* member = Find(id, kind);
    if (member == nullptr) throw errors::NotSupported();
    const std::span<const ParamInfo> params = member->params;
    if (args.size() > params.size()) throw errors::WrongArgumentCount();
    if (params.size() > kMaxArgs) throw errors::InternalError();  // a table wider than we carry

    std::array<Variant, kMaxArgs> converted;
    std::array<Variant*, kMaxArgs> pointers{};
    for (std::size_t i = 0; i < params.size(); ++i) {
      const ParamInfo& param = params[i];
      if (i < args.size()) {
        pointers[i] =
            param.byRef ? args[i] : &(converted[i] = CoerceArgument(*args[i], param.type));
      } else if (param.optional) {
        pointers[i] = &(converted[i] = Variant(param.defaultValue));
      } else {
        throw errors::ArgumentNotOptional();
      }
    }
    return member->call(static_cast<T&>(*this), Arguments(pointers.data(), params.size()));
  }

 private:
  // A read may be asked for as a method or as a property get, as automation clients do.
  static const MemberInfo<T>* Find(DispId id, InvokeKind kind) {
    const auto isRead = [](InvokeKind k) {
      return k == InvokeKind::Method || k == InvokeKind::PropertyGet;
    };
    for (const MemberInfo<T>& member : T::Members()) {
      if (member.id != id) continue;
      if (member.kind == kind || (isRead(member.kind) && isRead(kind))) return &member;
    }
    return nullptr;
  }
};

}  // namespace glyphwright
