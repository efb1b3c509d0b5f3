#include "automation/variant.h"

#include "automation/automation_error.h"
#include "automation/number_text.h"
#include "text/case_fold.h"

namespace glyphwright {
namespace {

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

}  // namespace

std::u16string Variant::ToText() const {
  return std::visit(
      Overloaded{[](std::monostate) { return std::u16string(); },
                 [](bool b) { return std::u16string(b ? u"True" : u"False"); },
                 [](int32_t n) { return IntegerToText(n); },
                 [](double d) { return DoubleToText(d); },
                 [](const std::u16string& s) { return s; },
                 [](const DispatchRef&) -> std::u16string { throw errors::TypeMismatch(); }},
      value_);
}

double Variant::ToDouble() const {
  return std::visit(
      Overloaded{[](std::monostate) { return 0.0; }, [](bool b) { return b ? -1.0 : 0.0; },
                 [](int32_t n) { return static_cast<double>(n); }, [](double d) { return d; },
                 [](const std::u16string& s) { return TextToDouble(s); },
                 [](const DispatchRef&) -> double { throw errors::TypeMismatch(); }},
      value_);
}

bool Variant::ToBoolean() const {
  if (const bool* b = std::get_if<bool>(&value_)) return *b;
  if (const std::u16string* s = AsString()) {
    if (EqualsIgnoringCase(*s, u"True")) return true;
    if (EqualsIgnoringCase(*s, u"False")) return false;
  }
  return ToDouble() != 0;
}

DispatchRef Variant::ToObject() const {
  if (const DispatchRef* object = std::get_if<DispatchRef>(&value_)) return *object;
  throw errors::ObjectRequired();
}

}  // namespace glyphwright
