#include "host_dispatch.h"

#include <dispex.h>

#include <vector>

#include "automation/automation_error.h"
#include "com_errors.h"
#include "com_variant.h"
#include "wide_text.h"

namespace glyphwright::com {
namespace {

WORD InvokeFlags(InvokeKind kind) {
  switch (kind) {
    case InvokeKind::Method:
      // As Visual Basic calls a member whose result it uses: a host may have written it as a
      // method or as a property with parameters.
      return DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    case InvokeKind::PropertyGet:
      return DISPATCH_PROPERTYGET;
    case InvokeKind::PropertyPut:
      return DISPATCH_PROPERTYPUT;
    case InvokeKind::PropertyPutRef:
      return DISPATCH_PROPERTYPUTREF;
  }
  return DISPATCH_METHOD;
}

bool IsPut(InvokeKind kind) {
  return kind == InvokeKind::PropertyPut || kind == InvokeKind::PropertyPutRef;
}

// The VARIANTs of one call: what each argument held when it went out, and the place the host
// may write to.
class CallValues {
 public:
  explicit CallValues(Arguments args) : sent_(args.size()), places_(args.size()) {
    for (std::size_t i = 0; i < args.size(); ++i) {
      ToVARIANT(*args[i], sent_[i].get());
      if (FAILED(VariantCopy(places_[i].get(), sent_[i].get()))) throw errors::TypeMismatch();
    }
  }

  VARIANT* Place(std::size_t i) { return places_[i].get(); }

  // Copies back every value the host changed.
  void WriteBack(Arguments args) const {
    for (std::size_t i = 0; i < args.size(); ++i) {
      if (!SameVARIANT(*places_[i], *sent_[i])) *args[i] = FromVARIANT(*places_[i]);
    }
  }

 private:
  std::vector<OwnedVariant> sent_;
  std::vector<OwnedVariant> places_;
};

}  // namespace

DispId HostDispatch::GetIDsOfNames(std::u16string_view name) {
  try {
    std::wstring wideName = ToWide(name);
    LPOLESTR names[] = {wideName.data()};
    DISPID id = DISPID_UNKNOWN;
    const HRESULT hr = host_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (SUCCEEDED(hr)) return id;
    if (hr == DISP_E_UNKNOWNNAME || hr == DISP_E_MEMBERNOTFOUND) return kUnknownDispId;

    // Script objects may know their names only through IDispatchEx.
    ComRef<IDispatchEx> extended;
    if (FAILED(host_->QueryInterface(__uuidof(IDispatchEx), extended.ReceiveVoid()))) {
      return kUnknownDispId;
    }
    BSTR bstrName = ToBstr(name);
    const HRESULT found = extended->GetDispID(bstrName, fdexNameCaseInsensitive, &id);
    SysFreeString(bstrName);
    return SUCCEEDED(found) ? id : kUnknownDispId;
  } catch (...) {
    // Out of memory for the name: the member cannot be found.
    return kUnknownDispId;
  }
}

Variant HostDispatch::Invoke(DispId id, InvokeKind kind, Arguments args) {
  CallValues values(args);
  const std::size_t count = args.size();
  std::vector<VARIANT> passed(count);
  for (std::size_t i = 0; i < count; ++i) {
    VARIANT& slot = passed[count - 1 - i];
    VariantInit(&slot);
    V_VT(&slot) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&slot) = values.Place(i);
  }
  DISPID putId = DISPID_PROPERTYPUT;
  DISPPARAMS params{passed.data(), nullptr, static_cast<UINT>(count), 0};
  if (IsPut(kind) && count > 0) {
    // The assigned value (the last argument, first in the array) goes by value.
    passed[0] = *values.Place(count - 1);
    params.rgdispidNamedArgs = &putId;
    params.cNamedArgs = 1;
  }

  OwnedVariant result;
  EXCEPINFO excepInfo{};
  UINT argumentError = 0;
  const ComRef<IDispatch> host = host_;  // the call may drop the last other reference
  const HRESULT hr = host->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, InvokeFlags(kind), &params,
                                  result.get(), &excepInfo, &argumentError);
  values.WriteBack(args);
  if (FAILED(hr)) throw ErrorFromHost(hr, excepInfo, host.get());
  return FromVARIANT(*result);
}

}  // namespace glyphwright::com
