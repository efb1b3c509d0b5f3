// A FontListener test double: GetSubscript and GetSuperscript write, by reference, what the test
// decides for each range, record every call, and can fail on request.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "automation/member_table.h"

namespace glyphwright::testing {

class FakeFontListener : public TableDispatch<FakeFontListener> {
 public:
  static MemberTable Members();

  // What to write into Value for a range; an Empty answer leaves Value as it came.
  using Answer = std::function<Variant(int32_t index, int32_t length)>;
  Answer subscript = [](int32_t, int32_t) { return Variant(int32_t{0}); };
  Answer superscript = [](int32_t, int32_t) { return Variant(int32_t{0}); };
  // Raise on a call when this says so.
  std::function<bool(const std::string& operation, int32_t index)> fails = [](auto&, int32_t) {
    return false;
  };

  // "GetSubscript(1,1)" for every call in order, failed ones too.
  std::vector<std::string> calls;
  // The Value each call received, to check it arrives as Long 0.
  std::vector<Variant> valuesReceived;

  // Every argument arrives by reference, as a host's listener receives them.
  void GetSubscript(Variant& Index, Variant& Length, Variant& Value) {
    Respond("GetSubscript", Index, Length, Value, subscript);
  }
  void GetSuperscript(Variant& Index, Variant& Length, Variant& Value) {
    Respond("GetSuperscript", Index, Length, Value, superscript);
  }

 private:
  void Respond(const std::string& operation, const Variant& Index, const Variant& Length,
               Variant& Value, const Answer& answer);
};

}  // namespace glyphwright::testing
