#include "host_object.h"

#include <oleauto.h>

namespace client {

void HostObject::On(const std::wstring& name, Member member) {
  names_.push_back(name);
  members_.push_back(std::move(member));
}

DISPID HostObject::Find(const wchar_t* name) const {
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (_wcsicmp(names_[i].c_str(), name) == 0) return static_cast<DISPID>(i + 1);
  }
  return DISPID_UNKNOWN;
}

HRESULT HostObject::QueryInterface(REFIID iid, void** object) {
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
      (IsEqualIID(iid, __uuidof(IDispatchEx)) && namesOnlyThroughDispatchEx)) {
    *object = static_cast<IDispatchEx*>(this);
  } else if (IsEqualIID(iid, IID_ISupportErrorInfo) && supportsErrorInfo) {
    *object = static_cast<ISupportErrorInfo*>(this);
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG HostObject::AddRef() {
  return ++references_;
}

ULONG HostObject::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT HostObject::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

HRESULT HostObject::GetTypeInfo(UINT, LCID, ITypeInfo** typeInfo) {
  *typeInfo = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT HostObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (namesOnlyThroughDispatchEx) return E_NOTIMPL;
  HRESULT hr = S_OK;
  for (UINT i = 0; i < count; ++i) {
    ids[i] = i == 0 ? Find(names[i]) : DISPID_UNKNOWN;
    if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
  }
  return hr;
}

HRESULT HostObject::GetDispID(BSTR name, DWORD, DISPID* id) {
  *id = Find(name);
  return *id == DISPID_UNKNOWN ? DISP_E_UNKNOWNNAME : S_OK;
}

HRESULT HostObject::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                           EXCEPINFO* excepInfo, UINT*) {
  if (id < 1 || static_cast<std::size_t>(id) > members_.size()) return DISP_E_MEMBERNOTFOUND;
  std::vector<VARIANT*> args;
  std::string call = std::string(names_[id - 1].begin(), names_[id - 1].end()) + "(";
  for (UINT i = params->cArgs; i > 0; --i) {
    args.push_back(&params->rgvarg[i - 1]);
    call += (i == params->cArgs ? "" : ", ") + TypeOf(params->rgvarg[i - 1]);
  }
  calls.push_back(call + ")");
  // The member may drop the caller's last reference.
  AddRef();
  const HRESULT hr = members_[id - 1](args, result, excepInfo);
  Release();
  return hr;
}

HRESULT HostObject::InvokeEx(DISPID id, LCID locale, WORD flags, DISPPARAMS* params,
                             VARIANT* result, EXCEPINFO* excepInfo, IServiceProvider*) {
  return Invoke(id, IID_NULL, locale, flags, params, result, excepInfo, nullptr);
}

HRESULT HostObject::InterfaceSupportsErrorInfo(REFIID iid) {
  return IsEqualIID(iid, IID_IDispatch) ? S_OK : S_FALSE;
}

std::string TypeOf(const VARIANT& value) {
  const auto name = [](VARTYPE type) -> std::string {
    switch (type & ~VT_BYREF) {
      case VT_EMPTY:
        return "VT_EMPTY";
      case VT_I4:
        return "VT_I4";
      case VT_R8:
        return "VT_R8";
      case VT_BSTR:
        return "VT_BSTR";
      case VT_BOOL:
        return "VT_BOOL";
      case VT_DISPATCH:
        return "VT_DISPATCH";
      case VT_VARIANT:
        return "VT_VARIANT";
      default:
        return "VT_" + std::to_string(type & ~VT_BYREF);
    }
  };
  if (V_VT(&value) == (VT_BYREF | VT_VARIANT)) {
    return "VT_BYREF|VT_VARIANT->" + TypeOf(*V_VARIANTREF(&value));
  }
  return ((V_VT(&value) & VT_BYREF) != 0 ? "VT_BYREF|" : "") + name(V_VT(&value));
}

void Raise(EXCEPINFO* excepInfo, SCODE scode, const wchar_t* source, const wchar_t* description,
           const wchar_t* helpFile, DWORD helpContext) {
  *excepInfo = EXCEPINFO{};
  excepInfo->scode = scode;
  excepInfo->bstrSource = SysAllocString(source);
  excepInfo->bstrDescription = SysAllocString(description);
  excepInfo->bstrHelpFile = SysAllocString(helpFile);
  excepInfo->dwHelpContext = helpContext;
}

}  // namespace client
