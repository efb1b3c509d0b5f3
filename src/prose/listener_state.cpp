#include "prose/listener_state.h"

#include <array>

#include "automation/variant.h"

namespace glyphwright::prose {

bool ListenerReportsSet(Dispatch& listener, std::u16string_view operation, int32_t index,
                        int32_t length) {
  Variant indexArgument(index);
  Variant lengthArgument(length);
  Variant value(int32_t{0});
  const std::array<Variant*, 3> arguments = {&indexArgument, &lengthArgument, &value};
  const Variant result = CallByName(listener, operation, InvokeKind::Method, arguments);
  const Variant& answer = result.IsEmpty() ? value : result;
  switch (answer.GetType()) {
    case Variant::Type::Boolean:
    case Variant::Type::Long:
    case Variant::Type::Double:
      return answer.ToDouble() != 0;
    default:
      return false;
  }
}

}  // namespace glyphwright::prose
