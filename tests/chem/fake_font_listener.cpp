#include "chem/fake_font_listener.h"

namespace glyphwright::testing {
namespace {

constexpr ParamInfo kRangeParams[] = {
    {u"Index", ValueType::Long, true},
    {u"Length", ValueType::Long, true},
    {u"Value", ValueType::Long, true},
};

const MemberInfo<FakeFontListener> kMembers[] = {
    {u"GetSubscript", InvokeKind::Method, 1, ValueType::Void, kRangeParams,
     [](FakeFontListener& self, Arguments args) {
       self.Respond("GetSubscript", args, self.subscript);
       return Variant();
     }},
    {u"GetSuperscript", InvokeKind::Method, 2, ValueType::Void, kRangeParams,
     [](FakeFontListener& self, Arguments args) {
       self.Respond("GetSuperscript", args, self.superscript);
       return Variant();
     }},
};

}  // namespace

std::span<const MemberInfo<FakeFontListener>> FakeFontListener::Members() {
  return kMembers;
}

void FakeFontListener::Respond(const std::string& operation, Arguments args,
                               const FakeFontListener::Answer& answer) {
  const int32_t index = args[0]->ToLong();
  const int32_t length = args[1]->ToLong();
  calls.push_back(operation + "(" + std::to_string(index) + "," + std::to_string(length) + ")");
  valuesReceived.push_back(*args[2]);
  if (fails(operation, index)) throw AutomationError(1004, u"The listener failed.");
  Variant value = answer(index, length);
  if (!value.IsEmpty()) *args[2] = std::move(value);
}

}  // namespace glyphwright::testing
