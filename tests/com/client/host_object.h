// HostObject: an automation object of the host written in C++, for what a VBScript host cannot
// do: fail with a full EXCEPINFO (or one filled in later), with a bare HRESULT or an error object,
// write any type into a by-reference argument, know its names only through IDispatchEx.
#pragma once

#include <windows.h>

#include <dispex.h>
#include <oaidl.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace client {

class HostObject final : public IDispatchEx, public ISupportErrorInfo {
 public:
  // A member: gets the arguments in call order (as the caller passed them) and may set the
  // result or fill excepInfo; answers the HRESULT of the call.
  using Member =
      std::function<HRESULT(std::vector<VARIANT*>& args, VARIANT* result, EXCEPINFO* excepInfo)>;

  HostObject() = default;

  void On(const std::wstring& name, Member member);
  // GetIDsOfNames answers E_NOTIMPL, as Wine's VBScript objects do; GetDispID knows the names.
  bool namesOnlyThroughDispatchEx = false;
  // Offers ISupportErrorInfo for IDispatch.
  bool supportsErrorInfo = false;
  // Every call: "Name(vt, vt...)" with the types of the arguments as they arrived.
  std::vector<std::string> calls;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  ULONG References() const { return references_; }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** typeInfo) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT*) override;

  HRESULT STDMETHODCALLTYPE GetDispID(BSTR name, DWORD flags, DISPID* id) override;
  HRESULT STDMETHODCALLTYPE InvokeEx(DISPID id, LCID locale, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* excepInfo,
                                     IServiceProvider*) override;
  HRESULT STDMETHODCALLTYPE DeleteMemberByName(BSTR, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DeleteMemberByDispID(DISPID) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMemberProperties(DISPID, DWORD, DWORD*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetMemberName(DISPID, BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetNextDispID(DWORD, DISPID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetNameSpaceParent(IUnknown**) override { return E_NOTIMPL; }

  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override;

 private:
  DISPID Find(const wchar_t* name) const;

  std::atomic<ULONG> references_{1};
  std::vector<std::wstring> names_;
  std::vector<Member> members_;
};

// The type of an argument as "VT_BYREF|VT_VARIANT->VT_R8".
std::string TypeOf(const VARIANT& value);

// Fills excepInfo as a host that raises an error does.
void Raise(EXCEPINFO* excepInfo, SCODE scode, const wchar_t* source, const wchar_t* description,
           const wchar_t* helpFile = L"", DWORD helpContext = 0);

}  // namespace client
