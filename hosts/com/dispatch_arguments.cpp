#include "dispatch_arguments.h"

#include <optional>

#include "automation/automation_error.h"
#include "com_variant.h"

namespace glyphwright::com {
namespace {

AutomationError NamedArgumentNotFound() {
  return {448, u"Named argument not found"};
}

// The caller's arguments by parameter position; nullptr where one was left out.
std::vector<const VARIANT*> Slots(const DISPPARAMS& params, bool isPut, std::size_t parameters,
                                  bool checked) {
  const std::size_t count = params.cArgs;
  const std::size_t named = params.cNamedArgs;
  if (named > count || (count > 0 && params.rgvarg == nullptr) ||
      (named > 0 && params.rgdispidNamedArgs == nullptr)) {
    throw errors::WrongArgumentCount();
  }
  const std::size_t positional = count - named;
  std::vector<const VARIANT*> slots(checked ? parameters : count, nullptr);

  // rgvarg holds the named arguments first, then the positional ones from last to first. A put
  // whose value is not named takes its last positional argument as the value.
  for (std::size_t i = 0; i < positional; ++i) {
    if (i >= slots.size()) throw errors::WrongArgumentCount();
    slots[i] = &params.rgvarg[count - 1 - i];
  }
  for (std::size_t i = 0; i < named; ++i) {
    const DISPID name = params.rgdispidNamedArgs[i];
    std::size_t index = 0;
    if (name == DISPID_PROPERTYPUT && isPut) {
      index = checked ? slots.size() - 1 : positional;
    } else if (name >= 0 && checked) {
      index = static_cast<std::size_t>(name);
    } else {
      throw NamedArgumentNotFound();
    }
    if (index >= slots.size()) throw NamedArgumentNotFound();
    if (slots[index] != nullptr) throw errors::WrongArgumentCount();
    slots[index] = &params.rgvarg[i];
  }
  return slots;
}

}  // namespace

DispatchArguments::DispatchArguments(const DISPPARAMS& params, bool isPut, const MemberRow* row) {
  const std::size_t parameters = row != nullptr ? row->params().size() : 0;
  std::vector<const VARIANT*> slots = Slots(params, isPut, parameters, row != nullptr);

  // Trailing left-out arguments are simply not passed: the member supplies its defaults.
  std::size_t passed = slots.size();
  while (passed > 0 && (slots[passed - 1] == nullptr || IsMissing(*slots[passed - 1]))) --passed;

  values_.reserve(passed);
  sources_.reserve(passed);
  for (std::size_t i = 0; i < passed; ++i) {
    const VARIANT* slot = slots[i];
    if (slot == nullptr || IsMissing(*slot)) {
      const ParamInfo* param = row != nullptr ? &row->params()[i] : nullptr;
      if (param == nullptr || !param->optional) throw errors::ArgumentNotOptional();
      values_.emplace_back(param->defaultValue);
      sources_.push_back(nullptr);
      continue;
    }
    values_.push_back(FromVARIANT(*slot));
    sources_.push_back((V_VT(slot) & VT_BYREF) != 0 ? slot : nullptr);
  }
  if (row != nullptr) {
    for (std::size_t i = passed; i < parameters; ++i) {
      if (!row->params()[i].optional) throw errors::ArgumentNotOptional();
    }
  }
  received_ = values_;
  pointers_.reserve(values_.size());
  for (Variant& value : values_) pointers_.push_back(&value);
}

void DispatchArguments::WriteBack() const {
  for (std::size_t i = 0; i < values_.size(); ++i) {
    if (sources_[i] != nullptr && !(values_[i] == received_[i])) {
      StoreByReference(values_[i], *sources_[i]);
    }
  }
}

}  // namespace glyphwright::com
