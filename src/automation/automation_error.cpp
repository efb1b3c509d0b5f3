#include "automation/automation_error.h"

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
AutomationError InvalidProcedureCall() {
  return {5, u"Invalid procedure call or argument"};
}
AutomationError Overflow() {
  return {6, u"Overflow"};
}
AutomationError SubscriptOutOfRange() {
  return {9, u"Subscript out of range"};
}
AutomationError TypeMismatch() {
  return {13, u"Type mismatch"};
}
AutomationError ObjectNotSet() {
  return {91, u"Object variable or With block variable not set"};
}
AutomationError ObjectRequired() {
  return {424, u"Object required"};
}
AutomationError NotSupported() {
  return {438, u"Object doesn't support this property or method"};
}
AutomationError ArgumentNotOptional() {
  return {449, u"Argument not optional"};
}
AutomationError WrongArgumentCount() {
  return {450, u"Wrong number of arguments or invalid property assignment"};
}
AutomationError InternalError() {
  return {1, u"Internal Error."};
}
}  // namespace errors

}  // namespace glyphwright
