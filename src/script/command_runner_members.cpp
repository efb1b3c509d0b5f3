// The automation surface of CommandRunner, in interface order.
#include "script/command_runner.h"

namespace glyphwright {
namespace {

constexpr ParamInfo kRunParams[] = {{u"Commands", ValueType::String}};
constexpr ParamInfo kObjectValue[] = {{u"RHS", ValueType::Object}};
constexpr ParamInfo kBooleanValue[] = {{u"RHS", ValueType::Boolean}};

const MemberInfo<CommandRunner> kMembers[] = {
    {u"Executer",
     InvokeKind::PropertyGet,
     0x40030000,
     ValueType::Object,
     {},
     [](CommandRunner& self, Arguments) { return Variant(self.Executer()); }},
    {u"Executer", InvokeKind::PropertyPutRef, 0x40030000, ValueType::Object, kObjectValue,
     [](CommandRunner& self, Arguments args) {
       self.SetExecuter(args[0]->ToObject());
       return Variant();
     }},
    {u"IgnoreError",
     InvokeKind::PropertyGet,
     0x40030001,
     ValueType::Boolean,
     {},
     [](CommandRunner& self, Arguments) { return Variant(self.IgnoreError()); }},
    {u"IgnoreError", InvokeKind::PropertyPut, 0x40030001, ValueType::Boolean, kBooleanValue,
     [](CommandRunner& self, Arguments args) {
       self.SetIgnoreError(args[0]->ToBoolean());
       return Variant();
     }},
    {u"Run", InvokeKind::Method, 0x60030004, ValueType::Void, kRunParams,
     [](CommandRunner& self, Arguments args) {
       self.Run(*args[0]->AsString());
       return Variant();
     }},
};

}  // namespace

std::span<const MemberInfo<CommandRunner>> CommandRunner::Members() {
  return kMembers;
}

}  // namespace glyphwright
