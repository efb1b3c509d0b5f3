#include "prose/listener_state.h"

#include "chem/font_listener_answer.h"

namespace glyphwright::prose {

bool ListenerReportsSet(Dispatch& listener, std::u16string_view operation, int32_t index,
                        int32_t length) {
  const ListenerAnswer answer = AskFontListener(listener, operation, index, length);
  return answer == ListenerAnswer::MinusOne || answer == ListenerAnswer::OtherNumber;
}

}  // namespace glyphwright::prose
