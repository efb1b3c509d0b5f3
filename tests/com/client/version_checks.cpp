// The version resource of Quillet.dll: what the library identity says, in Japanese (0x0411) and
// UTF-16 (1200).
#include <windows.h>

#include <vector>

#include "checks.h"
#include "client_checks.h"
#include "component/library_info.h"

namespace client {
namespace {

std::u16string StringValue(const std::vector<BYTE>& data, const wchar_t* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
  if (!VerQueryValueW(data.data(), path.c_str(), &value, &length) || length == 0) return u"";
  return FromWide(static_cast<const wchar_t*>(value));
}

}  // namespace

void CheckVersionResource() {
  Section("version resource");
  const std::wstring path = RegisteredDllPath();
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
  if (!Check(size != 0, "Quillet.dll has a version resource")) return;
  std::vector<BYTE> data(size);
  if (!Check(GetFileVersionInfoW(path.c_str(), 0, size, data.data()) != 0, "it can be read"))
    return;

  const glyphwright::LibraryInfo& library = glyphwright::kLibrary;
  void* value = nullptr;
  UINT length = 0;
  if (Check(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &value, &length) &&
                length >= 4,
            "a translation")) {
    const auto* translation = static_cast<const WORD*>(value);
    CheckEqual(translation[0], library.resourceLanguage, "language");
    CheckEqual(translation[1], library.resourceCodePage, "code page");
  }
  CheckEqual(StringValue(data, L"FileVersion"), library.fileVersion, "FileVersion");
  CheckEqual(StringValue(data, L"ProductVersion"), library.fileVersion, "ProductVersion");
  CheckEqual(StringValue(data, L"ProductName"), library.name, "ProductName");
  CheckEqual(StringValue(data, L"OriginalFilename"), library.fileName, "OriginalFilename");
}

}  // namespace client
