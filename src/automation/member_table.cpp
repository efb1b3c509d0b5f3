#include "automation/member_table.h"

#include "text/case_fold.h"

namespace glyphwright {
namespace {

// A read may be asked for as a method or as a property get, as automation clients do.
const MemberRow* FindRow(MemberTable members, DispId id, InvokeKind kind) {
  const auto isRead = [](InvokeKind k) {
    return k == InvokeKind::Method || k == InvokeKind::PropertyGet;
  };
  for (const MemberRow& member : members) {
    if (member.id != id) continue;
    if (member.kind == kind || (isRead(member.kind) && isRead(kind))) return &member;
  }
  return nullptr;
}

}  // namespace

Variant CoerceArgument(const Variant& value, ValueType type) {
  switch (type) {
    case ValueType::Boolean:
      return Variant(value.ToBoolean());
    case ValueType::Long:
      return Variant(value.ToLong());
    case ValueType::Double:
      return Variant(value.ToDouble());
    case ValueType::String:
      return Variant(value.ToText());
    case ValueType::Object:
      return Variant(value.ToObject());
    case ValueType::Void:
    case ValueType::Variant:
      break;
  }
  return value;
}

DispId FindMemberId(MemberTable members, std::u16string_view name) {
  for (const MemberRow& member : members) {
    if (EqualsIgnoringCase(member.name, name)) return member.id;
  }
  return kUnknownDispId;
}

Variant InvokeMember(Dispatch& self, MemberTable members, DispId id, InvokeKind kind,
                     Arguments args) {
  const MemberRow* member = FindRow(members, id, kind);
  if (member == nullptr) throw errors::NotSupported();
  const std::span<const ParamInfo> params = member->params();
  if (args.size() > params.size()) throw errors::WrongArgumentCount();

  std::array<Variant, kMaxParams> converted;
  std::array<Variant*, kMaxParams> pointers{};
  for (std::size_t i = 0; i < params.size(); ++i) {
    const ParamInfo& param = params[i];
    if (i < args.size()) {
      pointers[i] = param.byRef ? args[i] : &(converted[i] = CoerceArgument(*args[i], param.type));
    } else if (param.optional) {
      pointers[i] = &(converted[i] = Variant(param.defaultValue));
    } else {
      throw errors::ArgumentNotOptional();
    }
  }
  return member->call(self, Arguments(pointers.data(), params.size()));
}

}  // namespace glyphwright
