// The Windows folder lookup itself, linked into this program: the registry fallback when the
// shell cannot tell (the Shell Folders value, the Windows folder for the common folder, error 5
// for a folder without one), and file names outside the ANSI code page.
#include <windows.h>

#include <shlobj.h>

#include "automation/automation_error.h"
#include "checks.h"
#include "chem/folder_lookup.h"
#include "chem/keyword_file.h"
#include "chem/windows_shell_folders.h"
#include "client_checks.h"

namespace client {
namespace {

using glyphwright::AutomationError;
using glyphwright::windows::GetSpecialFolderName;

constexpr wchar_t kShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

bool ShellCannotTell(int, bool, std::wstring&) {
  return false;
}

std::u16string ErrorOf(int folderId) {
  try {
    GetSpecialFolderName(folderId, true, &ShellCannotTell);
    return u"no error";
  } catch (const AutomationError& error) {
    return FromWide(std::to_wstring(error.Number())) + u" " + error.Description();
  }
}

std::wstring ShellFoldersValue(const wchar_t* name) {
  wchar_t buffer[1024] = {};
  DWORD bytes = sizeof buffer;
  if (RegGetValueW(HKEY_CURRENT_USER, kShellFolders, name, RRF_RT_REG_SZ | RRF_NOEXPAND, nullptr,
                   buffer, &bytes) != ERROR_SUCCESS) {
    return L"";
  }
  return buffer;
}

void SetShellFoldersValue(const wchar_t* name, DWORD type, const std::wstring& value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kShellFolders, name, type, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void DeleteShellFoldersValue(const wchar_t* name) {
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kShellFolders, name);
}

void CheckRegistryFallback() {
  // The user's folder from Shell Folders.
  const std::wstring appData = ShellFoldersValue(L"AppData");
  Check(!appData.empty(), "Shell Folders holds AppData");
  CheckEqual(FromWide(GetSpecialFolderName(26, true, &ShellCannotTell)), FromWide(appData),
             "folder 26 falls back to Shell Folders");
  // The common folder falls back to the Windows folder.
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  CheckEqual(FromWide(GetSpecialFolderName(35, true, &ShellCannotTell)), FromWide(windows),
             "folder 35 falls back to the Windows folder");
  // A folder the table lacks, and a value that is missing, are error 5.
  CheckEqual(ErrorOf(3), u"5 Fatal on GetSpecialFolderName.", "folder 3 has no fallback");
  const std::wstring favorites = ShellFoldersValue(L"Favorites");
  DeleteShellFoldersValue(L"Favorites");
  CheckEqual(ErrorOf(6), u"5 Fatal on GetSpecialFolderName.", "a missing Shell Folders value");
  // A value with environment references is expanded; one longer than MAX_PATH is read whole.
  SetShellFoldersValue(L"Favorites", REG_EXPAND_SZ, L"%SystemRoot%\\Favorites");
  CheckEqual(FromWide(GetSpecialFolderName(6, true, &ShellCannotTell)),
             FromWide(std::wstring(windows) + L"\\Favorites"), "an expanded value");
  const std::wstring longPath = L"C:\\" + std::wstring(300, L'x') + L"\\\x03B4";
  SetShellFoldersValue(L"Favorites", REG_SZ, longPath);
  CheckEqual(FromWide(GetSpecialFolderName(6, true, &ShellCannotTell)), FromWide(longPath),
             "a value longer than MAX_PATH");
  if (favorites.empty()) {
    DeleteShellFoldersValue(L"Favorites");
  } else {
    SetShellFoldersValue(L"Favorites", REG_SZ, favorites);
  }
}

void CheckShell() {
  wchar_t expected[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, expected);
  CheckEqual(FromWide(GetSpecialFolderName(26, true)), FromWide(expected),
             "folder 26 from the shell");
  const auto lookup = glyphwright::MakePlatformFolderLookup();
  CheckEqual(FromWide(lookup->UserDataFolder().wstring()), FromWide(expected),
             "the lookup's user folder");
  // In this program the code's own file is the program.
  wchar_t program[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  CheckEqual(FromWide((lookup->ComponentFolder() / L"x").wstring()),
             FromWide((std::filesystem::path(program).parent_path() / L"x").wstring()),
             "the component folder is the folder of the module holding the code");
}

void CheckWideFileNames() {
  // A folder whose name no ANSI code page holds: Greek and Japanese together.
  wchar_t publicFolder[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_COMMON_DOCUMENTS, nullptr, SHGFP_TYPE_CURRENT, publicFolder);
  const std::filesystem::path folder =
      std::filesystem::path(publicFolder) / L"\x0395\x03BB\x03AD\x03BD\x03B7 \x30C7\x30FC\x30BF";
  std::filesystem::create_directories(folder);
  const std::filesystem::path file = folder / L"prefixes.txt";
  const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (Check(handle != INVALID_HANDLE_VALUE, "a file in a folder with a wide name")) {
    const char text[] = "cis\r\n  trans  \r\n";
    DWORD written = 0;
    WriteFile(handle, text, sizeof text - 1, &written, nullptr);
    CloseHandle(handle);
    Check(glyphwright::KeywordFileExists(file), "found by its wide name");
    CheckEqual(glyphwright::ReadKeywordFile(file), u"cis|trans", "read by its wide name");
  }
  const std::filesystem::path missing = folder / L"missing.txt";
  try {
    glyphwright::ReadKeywordFile(missing);
    Check(false, "a missing file raises an error");
  } catch (const AutomationError& error) {
    CheckEqual(error.Number(), 53, "a missing file is error 53");
    CheckEqual(error.Description(), u"File not found: \"" + FromWide(missing.wstring()) + u"\"",
               "the error names the wide path");
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

}  // namespace

void CheckSpecialFolders() {
  Section("special folders");
  CheckRegistryFallback();
  CheckShell();
  CheckWideFileNames();
}

}  // namespace client
