// The entry points of Quillet.dll (exported by Quillet.def): self-registration, the class
// objects, and whether the DLL may be unloaded.
#include <windows.h>

#include <objbase.h>

#include <new>

#include "class_factory.h"
#include "component/class_registry.h"
#include "registration.h"
#include "server_locks.h"
#include "wide_text.h"

using glyphwright::ClassInfo;
using glyphwright::PublicClasses;
using glyphwright::com::RegistrationScope;

namespace {

// "regsvr32 /n /i:user" registers for the current user only; anything else is the machine.
RegistrationScope ScopeOf(const wchar_t* commandLine) {
  if (commandLine != nullptr && _wcsicmp(commandLine, L"user") == 0) return RegistrationScope::User;
  return RegistrationScope::Machine;
}

}  // namespace

extern "C" {

HRESULT STDAPICALLTYPE DllRegisterServer() {
  return glyphwright::com::RegisterServer(RegistrationScope::Machine);
}

HRESULT STDAPICALLTYPE DllUnregisterServer() {
  return glyphwright::com::UnregisterServer(RegistrationScope::Machine);
}

HRESULT STDAPICALLTYPE DllInstall(BOOL install, const wchar_t* commandLine) {
  const RegistrationScope scope = ScopeOf(commandLine);
  return install ? glyphwright::com::RegisterServer(scope)
                 : glyphwright::com::UnregisterServer(scope);
}

HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  for (const ClassInfo& info : PublicClasses()) {
    if (!IsEqualCLSID(clsid, glyphwright::com::ToGUID(info.clsid))) continue;
    auto* factory = new (std::nothrow) glyphwright::com::ClassFactory(info);
    if (factory == nullptr) return E_OUTOFMEMORY;
    const HRESULT hr = factory->QueryInterface(iid, object);
    factory->Release();
    return hr;
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return glyphwright::com::ServerInUse() ? S_FALSE : S_OK;
}

}  // extern "C"
