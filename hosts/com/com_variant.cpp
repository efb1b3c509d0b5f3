#include "com_variant.h"

#include <oleauto.h>

#include <cstring>
#include <utility>

#include "automation/automation_error.h"
#include "com_ref.h"
#include "object_bridge.h"
#include "wide_text.h"

namespace glyphwright::com {
namespace {

template <class Integer>
Variant FromInteger(Integer value) {
  if (std::in_range<int32_t>(value)) return Variant(static_cast<int32_t>(value));
  return Variant(static_cast<double>(value));
}

// The value of a VARIANT converted by the system to another type, as the run time converts it.
void Convert(const VARIANT& value, VARTYPE type, OwnedVariant& result) {
  if (FAILED(VariantChangeType(result.get(), const_cast<VARIANT*>(&value), 0, type))) {
    throw errors::TypeMismatch();
  }
}

double ToNumber(const VARIANT& value) {
  OwnedVariant number;
  Convert(value, VT_R8, number);
  return V_R8(number.get());
}

std::u16string ToText(const VARIANT& value) {
  OwnedVariant text;
  Convert(value, VT_BSTR, text);
  return FromBstr(V_BSTR(text.get()));
}

Variant FromObject(IUnknown* unknown) {
  if (unknown == nullptr) return Variant(DispatchRef());
  ComRef<IDispatch> dispatch;
  if (FAILED(unknown->QueryInterface(IID_IDispatch, dispatch.ReceiveVoid()))) {
    throw errors::TypeMismatch();
  }
  return Variant(DispatchFromCom(dispatch.get()));
}

Variant FromDirectVARIANT(const VARIANT& value) {
  switch (V_VT(&value)) {
    case VT_EMPTY:
      return {};
    case VT_NULL:
      throw AutomationError(94, u"Invalid use of Null");
    case VT_BOOL:
      return Variant(V_BOOL(&value) != VARIANT_FALSE);
    case VT_I1:
      return Variant(int32_t{V_I1(&value)});
    case VT_UI1:
      return Variant(int32_t{V_UI1(&value)});
    case VT_I2:
      return Variant(int32_t{V_I2(&value)});
    case VT_UI2:
      return Variant(int32_t{V_UI2(&value)});
    case VT_I4:
      return Variant(static_cast<int32_t>(V_I4(&value)));
    case VT_INT:
      return Variant(static_cast<int32_t>(V_INT(&value)));
    case VT_UI4:
      return FromInteger(V_UI4(&value));
    case VT_UINT:
      return FromInteger(V_UINT(&value));
    case VT_I8:
      return FromInteger(V_I8(&value));
    case VT_UI8:
      return FromInteger(V_UI8(&value));
    case VT_R4:
      return Variant(static_cast<double>(V_R4(&value)));
    case VT_R8:
      return Variant(V_R8(&value));
    case VT_CY:
    case VT_DECIMAL:
      return Variant(ToNumber(value));
    case VT_DATE:
      return Variant(ToText(value));
    case VT_BSTR:
      return Variant(FromBstr(V_BSTR(&value)));
    case VT_DISPATCH:
      return FromObject(V_DISPATCH(&value));
    case VT_UNKNOWN:
      return FromObject(V_UNKNOWN(&value));
    default:
      throw errors::TypeMismatch();
  }
}

bool SameDirectVARIANT(const VARIANT& a, const VARIANT& b) {
  if (V_VT(&a) != V_VT(&b)) return false;
  switch (V_VT(&a)) {
    case VT_EMPTY:
    case VT_NULL:
      return true;
    case VT_BOOL:
      return V_BOOL(&a) == V_BOOL(&b);
    case VT_I4:
      return V_I4(&a) == V_I4(&b);
    case VT_R8:
      return std::memcmp(&V_R8(&a), &V_R8(&b), sizeof(double)) == 0;
    case VT_BSTR:
      return FromBstr(V_BSTR(&a)) == FromBstr(V_BSTR(&b));
    case VT_DISPATCH:
      return V_DISPATCH(&a) == V_DISPATCH(&b);
    case VT_UNKNOWN:
      return V_UNKNOWN(&a) == V_UNKNOWN(&b);
    default:
      // The types ToVARIANT never makes: compare their bytes.
      return std::memcmp(&a, &b, sizeof(VARIANT)) == 0;
  }
}

}  // namespace

Variant FromVARIANT(const VARIANT& value) {
  if (V_VT(&value) == (VT_BYREF | VT_VARIANT)) {
    if (V_VARIANTREF(&value) == nullptr) throw errors::TypeMismatch();
    return FromVARIANT(*V_VARIANTREF(&value));
  }
  if ((V_VT(&value) & VT_BYREF) != 0) {
    OwnedVariant direct;
    if (FAILED(VariantCopyInd(direct.get(), const_cast<VARIANT*>(&value)))) {
      throw errors::TypeMismatch();
    }
    return FromDirectVARIANT(*direct);
  }
  return FromDirectVARIANT(value);
}

void ToVARIANT(const Variant& value, VARIANT* out) {
  switch (value.GetType()) {
    case Variant::Type::Empty:
      V_VT(out) = VT_EMPTY;
      return;
    case Variant::Type::Boolean:
      V_VT(out) = VT_BOOL;
      V_BOOL(out) = value.ToBoolean() ? VARIANT_TRUE : VARIANT_FALSE;
      return;
    case Variant::Type::Long:
      V_VT(out) = VT_I4;
      V_I4(out) = value.ToLong();
      return;
    case Variant::Type::Double:
      V_VT(out) = VT_R8;
      V_R8(out) = value.ToDouble();
      return;
    case Variant::Type::String:
      V_BSTR(out) = ToBstr(*value.AsString());
      V_VT(out) = VT_BSTR;
      return;
    case Variant::Type::Object:
      V_DISPATCH(out) = ComFromDispatch(value.ToObject());
      V_VT(out) = VT_DISPATCH;
      return;
  }
}

bool SameVARIANT(const VARIANT& a, const VARIANT& b) {
  return SameDirectVARIANT(a, b);
}

void StoreByReference(const Variant& value, const VARIANT& target) {
  const VARTYPE type = static_cast<VARTYPE>(V_VT(&target) & ~VT_BYREF);
  OwnedVariant converted;
  ToVARIANT(value, converted.get());
  if (type == VT_VARIANT) {
    VARIANT* place = V_VARIANTREF(&target);
    VariantClear(place);
    *place = *converted.get();
    V_VT(converted.get()) = VT_EMPTY;  // the place owns it now
    return;
  }
  OwnedVariant typed;
  if (FAILED(VariantChangeType(typed.get(), converted.get(), 0, type))) {
    throw errors::TypeMismatch();
  }
  VARIANT* result = typed.get();
  switch (type) {
    case VT_BSTR:
      SysFreeString(*V_BSTRREF(&target));
      *V_BSTRREF(&target) = V_BSTR(result);
      break;
    case VT_DISPATCH:
      if (*V_DISPATCHREF(&target) != nullptr) (*V_DISPATCHREF(&target))->Release();
      *V_DISPATCHREF(&target) = V_DISPATCH(result);
      break;
    case VT_UNKNOWN:
      if (*V_UNKNOWNREF(&target) != nullptr) (*V_UNKNOWNREF(&target))->Release();
      *V_UNKNOWNREF(&target) = V_UNKNOWN(result);
      break;
    case VT_BOOL:
      *V_BOOLREF(&target) = V_BOOL(result);
      return;
    case VT_I1:
      *V_I1REF(&target) = V_I1(result);
      return;
    case VT_UI1:
      *V_UI1REF(&target) = V_UI1(result);
      return;
    case VT_I2:
      *V_I2REF(&target) = V_I2(result);
      return;
    case VT_UI2:
      *V_UI2REF(&target) = V_UI2(result);
      return;
    case VT_I4:
      *V_I4REF(&target) = V_I4(result);
      return;
    case VT_UI4:
      *V_UI4REF(&target) = V_UI4(result);
      return;
    case VT_INT:
      *V_INTREF(&target) = V_INT(result);
      return;
    case VT_UINT:
      *V_UINTREF(&target) = V_UINT(result);
      return;
    case VT_I8:
      *V_I8REF(&target) = V_I8(result);
      return;
    case VT_UI8:
      *V_UI8REF(&target) = V_UI8(result);
      return;
    case VT_R4:
      *V_R4REF(&target) = V_R4(result);
      return;
    case VT_R8:
      *V_R8REF(&target) = V_R8(result);
      return;
    case VT_CY:
      *V_CYREF(&target) = V_CY(result);
      return;
    case VT_DATE:
      *V_DATEREF(&target) = V_DATE(result);
      return;
    case VT_DECIMAL:
      *V_DECIMALREF(&target) = V_DECIMAL(result);
      return;
    default:
      throw errors::TypeMismatch();
  }
  // The target owns the string or object now.
  V_VT(result) = VT_EMPTY;
}

bool IsMissing(const VARIANT& value) {
  return V_VT(&value) == VT_ERROR && V_ERROR(&value) == DISP_E_PARAMNOTFOUND;
}

}  // namespace glyphwright::com
