// What self-registration writes, key by key, and that unregistration leaves none of it.
#include <windows.h>

#include <string>

#include "checks.h"
#include "client_checks.h"
#include "component/class_registry.h"
#include "component/library_info.h"
#include "wide_text.h"

namespace client {
namespace {

using glyphwright::ClassInfo;
using glyphwright::GuidToText;
using glyphwright::InterfaceInfo;
using glyphwright::kLibrary;

const std::wstring kClasses = L"Software\\Classes\\";

bool KeyExists(const std::wstring& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, (kClasses + key).c_str(), 0, KEY_READ, &opened) !=
      ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(opened);
  return true;
}

std::u16string Value(const std::wstring& key, const wchar_t* name = nullptr) {
  wchar_t buffer[1024] = {};
  DWORD bytes = sizeof buffer;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, (kClasses + key).c_str(), name, RRF_RT_REG_SZ, nullptr,
                   buffer, &bytes) != ERROR_SUCCESS) {
    return u"<missing>";
  }
  return FromWide(buffer);
}

std::wstring Braced(const glyphwright::Guid& guid) {
  return Wide(GuidToText(guid));
}

}  // namespace

std::wstring RegisteredDllPath() {
  const ClassInfo& runner = glyphwright::PublicClasses().front();
  const std::u16string path = Value(L"CLSID\\" + Braced(runner.clsid) + L"\\InprocServer32");
  return path == u"<missing>" ? L"" : Wide(path);
}

void CheckRegistration(bool registered) {
  Section(registered ? "registered" : "unregistered");
  const std::wstring libraryKey = L"TypeLib\\" + Braced(kLibrary.libid);
  std::vector<std::wstring> keys = {libraryKey};
  for (const ClassInfo& info : glyphwright::PublicClasses()) {
    const std::wstring clsidKey = L"CLSID\\" + Braced(info.clsid);
    const std::wstring progId = Wide(info.ProgId());
    keys.push_back(clsidKey);
    keys.push_back(progId);
    keys.push_back(L"Interface\\" + Braced(info.interfaceId));
    for (const InterfaceInfo& alias : info.aliases) {
      keys.push_back(L"Interface\\" + Braced(alias.iid));
    }
    if (!registered) continue;
    const std::u16string dll = Value(clsidKey + L"\\InprocServer32");
    Check(dll.ends_with(u"\\Quillet.dll"), Utf8(info.ProgId()) + ": InprocServer32 " + Utf8(dll));
    CheckEqual(Value(clsidKey + L"\\InprocServer32", L"ThreadingModel"), u"Apartment",
               Utf8(info.ProgId()) + ": ThreadingModel");
    CheckEqual(Value(clsidKey + L"\\ProgID"), info.ProgId(),
               Utf8(info.ProgId()) + ": CLSID to ProgID");
    CheckEqual(Value(progId + L"\\CLSID"), GuidToText(info.clsid),
               Utf8(info.ProgId()) + ": ProgID to CLSID");
    CheckEqual(Value(clsidKey + L"\\TypeLib"), GuidToText(kLibrary.libid),
               Utf8(info.ProgId()) + ": its type library");
    for (const InterfaceInfo& alias : info.aliases) {
      CheckEqual(Value(L"Interface\\" + Braced(alias.iid) + L"\\ProxyStubClsid32"),
                 u"{00020420-0000-0000-C000-000000000046}",
                 Utf8(alias.name) + " is marshalled as a dispatch interface");
    }
    CheckEqual(Value(L"Interface\\" + Braced(info.interfaceId) + L"\\TypeLib"),
               GuidToText(kLibrary.libid), Utf8(info.InterfaceName()) + ": type library");
  }
  if (registered) {
    const std::u16string path = Value(libraryKey + L"\\1.1\\409\\win64");
    CheckEqual(path,
               Value(L"CLSID\\" + Braced(glyphwright::PublicClasses().front().clsid) +
                     L"\\InprocServer32"),
               "the type library is the DLL itself");
  }
  for (const std::wstring& key : keys) {
    Check(KeyExists(key) == registered,
          Utf8(FromWide(key)) + (registered ? " is there" : " is gone"));
  }
}

}  // namespace client
