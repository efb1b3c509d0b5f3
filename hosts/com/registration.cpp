#include "registration.h"

#include <oleauto.h>
#include <olectl.h>

#include <string>
#include <vector>

#include "chem/windows_module_file.h"
#include "com_ref.h"
#include "component/class_registry.h"
#include "component/library_info.h"
#include "own_type_library.h"
#include "wide_text.h"

// Declared by the Windows SDK, missing from MinGW-w64's headers.
extern "C" {
HRESULT WINAPI RegisterTypeLibForUser(ITypeLib* library, OLECHAR* path, OLECHAR* helpFolder);
HRESULT WINAPI UnRegisterTypeLibForUser(REFGUID libraryId, WORD major, WORD minor, LCID locale,
                                        SYSKIND kind);
}

namespace glyphwright::com {
namespace {

// The proxy of dispatch interfaces, which the type library names for its own interfaces too.
constexpr wchar_t kDispatchProxy[] = L"{00020420-0000-0000-C000-000000000046}";

HKEY RootOf(RegistrationScope scope) {
  return scope == RegistrationScope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

std::wstring ClassesKey(const std::wstring& key) {
  return L"Software\\Classes\\" + key;
}

std::wstring Braced(const Guid& guid) {
  return ToWide(GuidToText(guid));
}

std::wstring LibraryVersion() {
  return std::to_wstring(kLibrary.majorVersion) + L"." + std::to_wstring(kLibrary.minorVersion);
}

// Sets a text value (the key's default value for an empty name), making the key as needed.
HRESULT SetText(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& text) {
  HKEY opened = nullptr;
  LONG status = RegCreateKeyExW(root, ClassesKey(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                KEY_SET_VALUE, nullptr, &opened, nullptr);
  if (status == ERROR_SUCCESS) {
    status = RegSetValueExW(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(opened);
  }
  return HRESULT_FROM_WIN32(status);
}

HRESULT DeleteTree(HKEY root, const std::wstring& key) {
  const LONG status = RegDeleteTreeW(root, ClassesKey(key).c_str());
  if (status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND) return S_OK;
  return HRESULT_FROM_WIN32(status);
}

struct KeyValue {
  std::wstring key;
  const wchar_t* name;  // nullptr: the key's default value
  std::wstring text;
};

std::vector<KeyValue> ClassValues(const std::wstring& modulePath) {
  const std::wstring libraryId = Braced(kLibrary.libid);
  std::vector<KeyValue> values;
  for (const ClassInfo& info : PublicClasses()) {
    const std::wstring clsidKey = L"CLSID\\" + Braced(info.clsid);
    const std::wstring progId = ToWide(info.ProgId());
    values.push_back({clsidKey, nullptr, progId});
    values.push_back({clsidKey + L"\\InprocServer32", nullptr, modulePath});
    values.push_back({clsidKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment"});
    values.push_back({clsidKey + L"\\ProgID", nullptr, progId});
    values.push_back({clsidKey + L"\\TypeLib", nullptr, libraryId});
    values.push_back({clsidKey + L"\\VERSION", nullptr, LibraryVersion()});
    values.push_back({progId, nullptr, progId});
    values.push_back({progId + L"\\CLSID", nullptr, Braced(info.clsid)});
    for (const InterfaceInfo& alias : info.aliases) {
      const std::wstring interfaceKey = L"Interface\\" + Braced(alias.iid);
      values.push_back({interfaceKey, nullptr, ToWide(alias.name)});
      values.push_back({interfaceKey + L"\\ProxyStubClsid", nullptr, kDispatchProxy});
      values.push_back({interfaceKey + L"\\ProxyStubClsid32", nullptr, kDispatchProxy});
      values.push_back({interfaceKey + L"\\TypeLib", nullptr, libraryId});
      values.push_back({interfaceKey + L"\\TypeLib", L"Version", LibraryVersion()});
    }
  }
  return values;
}

std::vector<std::wstring> ClassKeys() {
  std::vector<std::wstring> keys;
  for (const ClassInfo& info : PublicClasses()) {
    keys.push_back(L"CLSID\\" + Braced(info.clsid));
    keys.push_back(ToWide(info.ProgId()));
    for (const InterfaceInfo& alias : info.aliases)
      keys.push_back(L"Interface\\" + Braced(alias.iid));
  }
  return keys;
}

HRESULT RegisterTypeLibrary(RegistrationScope scope, std::wstring& modulePath) {
  ComRef<ITypeLib> library;
  HRESULT hr = LoadOwnTypeLibrary(library.Receive());
  if (FAILED(hr)) return hr;
  hr = scope == RegistrationScope::Machine
           ? RegisterTypeLib(library.get(), modulePath.data(), nullptr)
           : RegisterTypeLibForUser(library.get(), modulePath.data(), nullptr);
  return FAILED(hr) ? SELFREG_E_TYPELIB : S_OK;
}

HRESULT UnregisterTypeLibrary(RegistrationScope scope) {
  const GUID libraryId = ToGUID(kLibrary.libid);
  const HRESULT hr =
      scope == RegistrationScope::Machine
          ? UnRegisterTypeLib(libraryId, kLibrary.majorVersion, kLibrary.minorVersion,
                              kLibrary.locale, SYS_WIN64)
          : UnRegisterTypeLibForUser(libraryId, kLibrary.majorVersion, kLibrary.minorVersion,
                                     kLibrary.locale, SYS_WIN64);
  // A type library that is not registered has nothing to remove.
  if (hr == TYPE_E_REGISTRYACCESS || hr == TYPE_E_LIBNOTREGISTERED) return S_OK;
  return hr;
}

}  // namespace

HRESULT RegisterServer(RegistrationScope scope) {
  try {
    std::wstring modulePath = windows::ModuleFileName(windows::ThisModule());
    if (modulePath.empty()) return SELFREG_E_CLASS;
    const HKEY root = RootOf(scope);
    for (const KeyValue& value : ClassValues(modulePath)) {
      if (FAILED(SetText(root, value.key, value.name, value.text))) {
        UnregisterServer(scope);
        return SELFREG_E_CLASS;
      }
    }
    const HRESULT hr = RegisterTypeLibrary(scope, modulePath);
    if (FAILED(hr)) UnregisterServer(scope);
    return hr;
  } catch (...) {
    UnregisterServer(scope);
    return E_OUTOFMEMORY;
  }
}

HRESULT UnregisterServer(RegistrationScope scope) {
  try {
    HRESULT result = UnregisterTypeLibrary(scope);
    const HKEY root = RootOf(scope);
    for (const std::wstring& key : ClassKeys()) {
      const HRESULT hr = DeleteTree(root, key);
      if (FAILED(hr) && SUCCEEDED(result)) result = SELFREG_E_CLASS;
    }
    return result;
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

}  // namespace glyphwright::com
