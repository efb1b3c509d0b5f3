#include "chem/fake_font_listener.h"

namespace glyphwright::testing {

MemberTable FakeFontListener::Members() {
  static constexpr auto kMembers =
      Rows(Method<&Self::GetSubscript>(u"GetSubscript", 1, {u"Index", u"Length", u"Value"}),
           Method<&Self::GetSuperscript>(u"GetSuperscript", 2, {u"Index", u"Length", u"Value"}));
  return kMembers;
}

void FakeFontListener::Respond(const std::string& operation, const Variant& Index,
                               const Variant& Length, Variant& Value, const Answer& answer) {
  const int32_t index = Index.ToLong();
  const int32_t length = Length.ToLong();
  calls.push_back(operation + "(" + std::to_string(index) + "," + std::to_string(length) + ")");
  valuesReceived.push_back(Value);
  if (fails(operation, index)) throw AutomationError(1004, u"The listener failed.");
  Variant value = answer(index, length);
  if (!value.IsEmpty()) Value = std::move(value);
}

}  // namespace glyphwright::testing
