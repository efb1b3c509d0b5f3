#include "automation.h"

#include <oleauto.h>

#include <algorithm>

#include "checks.h"

namespace client {
namespace {

std::u16string TakeBstr(BSTR& text) {
  std::u16string result;
  if (text != nullptr) result = FromWide(std::wstring_view(text, SysStringLen(text)));
  SysFreeString(text);
  text = nullptr;
  return result;
}

}  // namespace

Var Text(std::wstring_view text) {
  Var value;
  V_VT(value.get()) = VT_BSTR;
  V_BSTR(value.get()) = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return value;
}

Var Long(int32_t number) {
  Var value;
  V_VT(value.get()) = VT_I4;
  V_I4(value.get()) = number;
  return value;
}

Var Double(double number) {
  Var value;
  V_VT(value.get()) = VT_R8;
  V_R8(value.get()) = number;
  return value;
}

Var Bool(bool flag) {
  Var value;
  V_VT(value.get()) = VT_BOOL;
  V_BOOL(value.get()) = flag ? VARIANT_TRUE : VARIANT_FALSE;
  return value;
}

Var Object(IDispatch* object) {
  Var value;
  V_VT(value.get()) = VT_DISPATCH;
  V_DISPATCH(value.get()) = object;
  if (object != nullptr) object->AddRef();
  return value;
}

Var Missing() {
  Var value;
  V_VT(value.get()) = VT_ERROR;
  V_ERROR(value.get()) = DISP_E_PARAMNOTFOUND;
  return value;
}

Var RefTo(VARIANT* target) {
  Var value;
  V_VT(value.get()) = VT_BYREF | VT_VARIANT;
  V_VARIANTREF(value.get()) = target;
  return value;
}

Var RefTo(BSTR* target) {
  Var value;
  V_VT(value.get()) = VT_BYREF | VT_BSTR;
  V_BSTRREF(value.get()) = target;
  return value;
}

Var RefTo(LONG* target) {
  Var value;
  V_VT(value.get()) = VT_BYREF | VT_I4;
  V_I4REF(value.get()) = target;
  return value;
}

std::u16string TextOf(const VARIANT& value) {
  Var text;
  if (FAILED(VariantChangeType(text.get(), const_cast<VARIANT*>(&value), 0, VT_BSTR))) {
    return u"<no text>";
  }
  return FromWide(std::wstring_view(V_BSTR(text.get()), SysStringLen(V_BSTR(text.get()))));
}

ComRef<IDispatch> Create(const wchar_t* progId) {
  CLSID clsid;
  ComRef<IDispatch> object;
  if (FAILED(CLSIDFromProgID(progId, &clsid))) return object;
  CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, object.ReceiveVoid());
  return object;
}

DISPID IdOf(IDispatch* object, const wchar_t* name) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPID id = DISPID_UNKNOWN;
  object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  return id;
}

Outcome Invoke(IDispatch* object, DISPID id, WORD flags, std::vector<Var> args,
               bool withExcepInfo) {
  std::vector<VARIANT> reversed;
  for (auto arg = args.rbegin(); arg != args.rend(); ++arg) reversed.push_back(**arg);
  DISPID putId = DISPID_PROPERTYPUT;
  DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  if ((flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0) {
    params.rgdispidNamedArgs = &putId;
    params.cNamedArgs = 1;
  }
  Outcome outcome;
  EXCEPINFO info{};
  UINT argumentError = 0;
  outcome.hr =
      object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, outcome.result.get(),
                     withExcepInfo ? &info : nullptr, &argumentError);
  outcome.scode = info.scode;
  outcome.source = TakeBstr(info.bstrSource);
  outcome.description = TakeBstr(info.bstrDescription);
  outcome.helpFile = TakeBstr(info.bstrHelpFile);
  outcome.helpContext = info.dwHelpContext;
  return outcome;
}

Outcome Call(IDispatch* object, const wchar_t* name, std::vector<Var> args) {
  return Invoke(object, IdOf(object, name), DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                std::move(args));
}

Outcome Get(IDispatch* object, const wchar_t* name) {
  return Invoke(object, IdOf(object, name), DISPATCH_PROPERTYGET, {});
}

Outcome Put(IDispatch* object, const wchar_t* name, Var value) {
  return Invoke(object, IdOf(object, name), DISPATCH_PROPERTYPUT, {std::move(value)});
}

Outcome PutRef(IDispatch* object, const wchar_t* name, IDispatch* value) {
  return Invoke(object, IdOf(object, name), DISPATCH_PROPERTYPUTREF, {Object(value)});
}

std::u16string Lines(std::initializer_list<std::u16string_view> lines) {
  std::u16string text;
  for (std::u16string_view line : lines) {
    text += line;
    text += u'\n';
  }
  return text;
}

}  // namespace client
