// The one kind of failure the system reports: an automation error with a number, a source, a
// one-sentence description, a help file and a help context, as automation clients read them.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace glyphwright {

class AutomationError : public std::exception {
 public:
  AutomationError(int32_t number, std::u16string description,
                  std::u16string source = u"Glyphwright", std::u16string helpFile = {},
                  int32_t helpContext = 0);

  int32_t Number() const { return number_; }
  const std::u16string& Source() const { return source_; }
  const std::u16string& Description() const { return description_; }
  const std::u16string& HelpFile() const { return helpFile_; }
  int32_t HelpContext() const { return helpContext_; }

  // The description in UTF-8.
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  int32_t number_;
  std::u16string description_;
  std::u16string source_;
  std::u16string helpFile_;
  int32_t helpContext_;
  std::string what_;
};

// The run time's own errors keep their standard numbers and texts (no full stop; see
// run_time_errors.h).
namespace errors {
AutomationError RunTime(int32_t number);  // any of them by number
AutomationError InvalidProcedureCall();   // 5
AutomationError Overflow();               // 6
AutomationError OutOfMemory();            // 7
AutomationError SubscriptOutOfRange();    // 9
AutomationError TypeMismatch();           // 13
AutomationError ObjectNotSet();           // 91
AutomationError ObjectRequired();         // 424
AutomationError CannotCreateObject();     // 429
AutomationError NotSupported();           // 438
AutomationError ArgumentNotOptional();    // 449
AutomationError WrongArgumentCount();     // 450
// The system's own: number 1, "Internal Error.".
AutomationError InternalError();
}  // namespace errors

}  // namespace glyphwright
