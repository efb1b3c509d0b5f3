#include "chem/font_listener_answer.h"

#include <array>

#include "automation/variant.h"

namespace glyphwright {
namespace {

ListenerAnswer ReadAnswer(const Variant& value) {
  switch (value.GetType()) {
    case Variant::Type::Boolean:
    case Variant::Type::Long:
    case Variant::Type::Double: {
      const double number = value.ToDouble();
      if (number == 0) return ListenerAnswer::Zero;
      if (number == -1) return ListenerAnswer::MinusOne;
      return ListenerAnswer::OtherNumber;
    }
    default:
      return ListenerAnswer::NotANumber;
  }
}

}  // namespace

ListenerAnswer AskFontListener(Dispatch& listener, std::u16string_view operation, int32_t index,
                               int32_t length) {
  // Fresh arguments for every call: what a listener writes back never reaches the next one.
  Variant indexArgument(index);
  Variant lengthArgument(length);
  Variant value(int32_t{0});
  const std::array<Variant*, 3> arguments = {&indexArgument, &lengthArgument, &value};
  const Variant result = CallByName(listener, operation, InvokeKind::Method, arguments);
  return ReadAnswer(result.IsEmpty() ? value : result);
}

}  // namespace glyphwright
