#include "chem/windows_shell_folders.h"

#include <windows.h>

#include <shlobj.h>

#include <optional>
#include <string_view>

#include "chem/folder_lookup.h"

namespace glyphwright::windows {
namespace {

constexpr wchar_t kShellFoldersKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

struct FallbackValue {
  int folderId;
  const wchar_t* valueName;
};

constexpr FallbackValue kFallbackValues[] = {
    {2, L"Programs"},   {5, L"Personal"},       {6, L"Favorites"},   {7, L"Startup"},
    {8, L"Recent"},     {9, L"SendTo"},         {11, L"Start Menu"}, {16, L"Desktop"},
    {19, L"NetHood"},   {20, L"Fonts"},         {21, L"Templates"},  {26, L"AppData"},
    {27, L"PrintHood"}, {28, L"Local AppData"}, {32, L"Cache"},      {33, L"Cookies"},
    {34, L"History"},   {39, L"My Pictures"},
};

std::wstring CutAtNul(std::wstring text) {
  const std::size_t nul = text.find(L'\0');
  if (nul != std::wstring::npos) text.resize(nul);
  return text;
}

class RegistryKey {
 public:
  RegistryKey(HKEY parent, const wchar_t* name) {
    if (RegOpenKeyExW(parent, name, 0, KEY_QUERY_VALUE, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  ~RegistryKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  // A text value, sized from the value itself (a path may be longer than MAX_PATH), with
  // environment references expanded for a REG_EXPAND_SZ value.
  std::optional<std::wstring> Text(const wchar_t* valueName) const {
    if (key_ == nullptr) return std::nullopt;
    // The value may change between asking its size and reading it: ask again then.
    for (int attempt = 0; attempt < 4; ++attempt) {
      DWORD type = 0;
      DWORD bytes = 0;
      if (RegQueryValueExW(key_, valueName, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
          (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::nullopt;
      }
      std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
      bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
      const LONG status = RegQueryValueExW(key_, valueName, nullptr, &type,
                                           reinterpret_cast<BYTE*>(value.data()), &bytes);
      if (status == ERROR_MORE_DATA) continue;
      if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) break;
      value.resize(bytes / sizeof(wchar_t));
      value = CutAtNul(std::move(value));
      return type == REG_EXPAND_SZ ? Expanded(value) : value;
    }
    return std::nullopt;
  }

 private:
  static std::optional<std::wstring> Expanded(const std::wstring& text) {
    const DWORD length = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (length == 0) return std::nullopt;
    std::wstring expanded(length, L'\0');
    if (ExpandEnvironmentStringsW(text.c_str(), expanded.data(), length) == 0) return std::nullopt;
    return CutAtNul(std::move(expanded));
  }

  HKEY key_ = nullptr;
};

std::optional<std::wstring> WindowsFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const UINT length = GetWindowsDirectoryW(path.data(), static_cast<UINT>(path.size()));
    if (length == 0) return std::nullopt;
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(length + 1);
  }
}

}  // namespace

bool AskShell(int folderId, bool create, std::wstring& path) {
  wchar_t buffer[MAX_PATH + 1] = {};
  if (!SHGetSpecialFolderPathW(nullptr, buffer, folderId, create ? TRUE : FALSE)) return false;
  path = CutAtNul(std::wstring(buffer, MAX_PATH));
  return true;
}

const wchar_t* ShellFoldersValueName(int folderId) {
  for (const FallbackValue& fallback : kFallbackValues) {
    if (fallback.folderId == folderId) return fallback.valueName;
  }
  return nullptr;
}

std::wstring GetSpecialFolderName(int FolderId, bool Create, ShellFolderQuery shell) {
  std::wstring path;
  if (shell(FolderId, Create, path)) return path;

  if (FolderId == kCommonAppDataFolder) {
    if (auto windows = WindowsFolder()) return *windows;
    throw SpecialFolderError();
  }
  const wchar_t* valueName = ShellFoldersValueName(FolderId);
  if (valueName == nullptr) throw SpecialFolderError();
  const RegistryKey shellFolders(HKEY_CURRENT_USER, kShellFoldersKey);
  if (auto value = shellFolders.Text(valueName)) return *value;
  throw SpecialFolderError();
}

}  // namespace glyphwright::windows
