#include "script/text_length.h"

#include "automation/automation_error.h"
#include "automation/number_text.h"
#include "text/prepared_text.h"

namespace glyphwright {

void CheckTextLength(std::u16string_view Text) {
  if (Text.size() <= kMaxTextLength) return;
  std::u16string description = u"The text is too long: a query takes at most ";
  AppendInteger(description, static_cast<int64_t>(kMaxTextLength));
  description += u" characters.";
  throw AutomationError(1, std::move(description));
}

CodeArray ScanChars(std::u16string_view Text) {
  CheckTextLength(Text);
  CodeArray chars;
  PrepareChars(Text, chars);
  return chars;
}

}  // namespace glyphwright
