// Variant: the value that crosses every late-bound call, with the automation run time's
// conversions (C locale; a failed conversion is error 13).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "automation/number_text.h"

namespace glyphwright {

class Dispatch;
using DispatchRef = std::shared_ptr<Dispatch>;

// The automation boolean: True is -1.
constexpr int32_t kTrue = -1;
constexpr int32_t kFalse = 0;

class Variant {
 public:
  enum class Type : uint8_t { Empty, Boolean, Long, Double, String, Object };

  Variant() = default;
  Variant(bool value) : value_(value) {}
  Variant(int32_t value) : value_(value) {}
  Variant(double value) : value_(value) {}
  Variant(std::u16string value) : value_(std::move(value)) {}
  Variant(std::u16string_view value) : value_(std::u16string(value)) {}
  Variant(const char16_t* value) : value_(std::u16string(value)) {}
  // An object reference; a null reference is the automation "Nothing".
  Variant(DispatchRef value) : value_(std::move(value)) {}
  // A raw pointer would silently become a Boolean.
  Variant(const void*) = delete;

  Type GetType() const { return static_cast<Type>(value_.index()); }
  bool IsEmpty() const { return GetType() == Type::Empty; }
  bool IsString() const { return GetType() == Type::String; }
  bool IsObject() const { return GetType() == Type::Object; }

  // Becomes the number, in place when it holds a number already, as a register mostly does.
  void SetDouble(double value) {
    if (double* number = std::get_if<double>(&value_)) {
      *number = value;
    } else {
      value_ = value;
    }
  }

  // The text form: "" for Empty, "True"/"False", decimal numbers. An object raises 13.
  std::u16string ToText() const;
  // Numbers from text as TextToDouble reads them; Empty is 0; True is -1.
  double ToDouble() const;
  // ToDouble rounded to even; 6 when out of range.
  int32_t ToLong() const {
    // A number register, as a host call's arguments nearly always are, converts here, inline.
    if (const double* d = std::get_if<double>(&value_)) return DoubleToLong(*d);
    if (const int32_t* n = std::get_if<int32_t>(&value_)) return *n;
    return DoubleToLong(ToDouble());
  }
  // Numbers are True when not 0; the texts "True" and "False" in any letter case.
  bool ToBoolean() const;
  // An object reference (possibly Nothing); anything else raises 424 "Object required".
  DispatchRef ToObject() const;

  // Direct access when the type is known; the text of a String without copying.
  const std::u16string* AsString() const { return std::get_if<std::u16string>(&value_); }
  // The text of a String, for a holder that hands it on (moves it out); nullptr otherwise.
  std::u16string* AsString() { return std::get_if<std::u16string>(&value_); }

  friend bool operator==(const Variant&, const Variant&) = default;

 private:
  std::variant<std::monostate, bool, int32_t, double, std::u16string, DispatchRef> value_;
};

}  // namespace glyphwright
