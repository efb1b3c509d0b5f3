// VARIANT and the library's Variant, both ways, with the automation run time's rules: the
// integer types become Long (or Double when they do not fit), Currency and Decimal become Double,
// a Date becomes its text, an object reference becomes a DispatchRef and back the same object.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include "automation/variant.h"

namespace glyphwright::com {

// A VARIANT that clears itself.
class OwnedVariant {
 public:
  OwnedVariant() { VariantInit(&value_); }
  ~OwnedVariant() { VariantClear(&value_); }
  OwnedVariant(const OwnedVariant&) = delete;
  OwnedVariant& operator=(const OwnedVariant&) = delete;

  VARIANT* get() { return &value_; }
  const VARIANT& operator*() const { return value_; }

 private:
  VARIANT value_;
};

// The value of a VARIANT, read through a by-reference one. Raises 94 "Invalid use of Null" for
// Null and 13 "Type mismatch" for what a Variant cannot hold (arrays, records, error values).
Variant FromVARIANT(const VARIANT& value);

// Writes value into out, which must hold nothing. Raises std::bad_alloc.
void ToVARIANT(const Variant& value, VARIANT* out);

// Whether two VARIANTs hold the same type and value: texts by content, objects by pointer.
bool SameVARIANT(const VARIANT& a, const VARIANT& b);

// Stores value where a by-reference VARIANT points, converted to the type it points to (any
// value for VT_BYREF | VT_VARIANT). Raises 13 when the value cannot take that type.
void StoreByReference(const Variant& value, const VARIANT& target);

// The placeholder of an argument that the caller left out.
bool IsMissing(const VARIANT& value);

}  // namespace glyphwright::com
