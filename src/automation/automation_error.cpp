#include "automation/automation_error.h"

#include "automation/run_time_errors.h"
#include "text/utf8.h"

namespace glyphwright {

AutomationError::AutomationError(int32_t number, std::u16string description, std::u16string source,
                                 std::u16string helpFile, int32_t helpContext)
    : number_(number),
      description_(std::move(description)),
      source_(std::move(source)),
      helpFile_(std::move(helpFile)),
      helpContext_(helpContext),
      what_(Utf16ToUtf8(description_)) {}

namespace errors {
AutomationError RunTime(int32_t number) {
  return {number, std::u16string(StandardErrorText(number))};
}
AutomationError InvalidProcedureCall() {
  return RunTime(5);
}
AutomationError Overflow() {
  return RunTime(6);
}
AutomationError OutOfMemory() {
  return RunTime(7);
}
AutomationError SubscriptOutOfRange() {
  return RunTime(9);
}
AutomationError TypeMismatch() {
  return RunTime(13);
}
AutomationError ObjectNotSet() {
  return RunTime(91);
}
AutomationError ObjectRequired() {
  return RunTime(424);
}
AutomationError CannotCreateObject() {
  return RunTime(429);
}
AutomationError NotSupported() {
  return RunTime(438);
}
AutomationError ArgumentNotOptional() {
  return RunTime(449);
}
AutomationError WrongArgumentCount() {
  return RunTime(450);
}
AutomationError InternalError() {
  return {1, u"Internal Error."};
}
}  // namespace errors

}  // namespace glyphwright
