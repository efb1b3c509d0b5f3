// The prefix file through Quillet.dll, in the three Windows places: the user's application-data
// folder (C:\users\<name>\AppData\Roaming\Mirandel\Glyphwright\), the common one, the DLL's own
// folder; first found wins, and a user folder whose name is outside the ANSI code page works.
// The list is read once per thread, so each question is asked in a new thread.
#include <windows.h>

#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "automation.h"
#include "checks.h"
#include "client_checks.h"

namespace client {
namespace {

namespace fs = std::filesystem;

constexpr wchar_t kUserShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// The script of a ChemFormulaQuery made in a thread of its own, or the error it raised.
std::u16string FormulaInNewThread(const wchar_t* text) {
  std::u16string answer;
  std::thread([&] {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
      const ComRef<IDispatch> formula = Create(L"Glyphwright.ChemFormulaQuery");
      const Outcome outcome = Call(formula.get(), L"GetCommands", {Text(text)});
      answer = outcome.hr == S_OK ? TextOf(*outcome.result) : u"error: " + outcome.description;
    }
    CoUninitialize();
  }).join();
  return answer;
}

fs::path ShellFolder(int folderId) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, folderId, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

fs::path WritePrefixes(const fs::path& folder, const char* lines) {
  fs::create_directories(folder);
  const fs::path file = folder / L"prefixes.txt";
  std::ofstream(file, std::ios::binary) << lines;
  return file;
}

const std::u16string kItalicT = Lines({u"=0", u"=1", u"Italic"});
const std::u16string kItalic4 = Lines({u"=0", u"=4", u"Italic"});

}  // namespace

void CheckPrefixFiles() {
  Section("prefix file");
  wchar_t user[256] = {};
  GetEnvironmentVariableW(L"USERNAME", user, 256);
  const fs::path roaming = ShellFolder(CSIDL_APPDATA);
  CheckEqual(FromWide(roaming.wstring()),
             FromWide(std::wstring(L"C:\\users\\") + user + L"\\AppData\\Roaming"),
             "the user's application-data folder");
  const fs::path userFolder = roaming / L"Mirandel" / L"Glyphwright";
  const fs::path commonFolder = ShellFolder(CSIDL_COMMON_APPDATA) / L"Mirandel" / L"Glyphwright";
  const fs::path componentFolder = fs::path(RegisteredDllPath()).parent_path();

  CheckEqual(FormulaInNewThread(L"t-BuOH"), kItalicT, "no file: the built-in list");

  const fs::path inComponent = WritePrefixes(componentFolder, "zeta\r\n");
  CheckEqual(FormulaInNewThread(L"zeta-BuOH"), kItalic4, "a file beside Quillet.dll");
  CheckEqual(FormulaInNewThread(L"t-BuOH"), u"", "a file replaces the built-in list");

  const fs::path inCommon = WritePrefixes(commonFolder, "eta\r\n");
  CheckEqual(FormulaInNewThread(L"eta-BuOH"), Lines({u"=0", u"=3", u"Italic"}),
             "the common folder before the DLL's");
  CheckEqual(FormulaInNewThread(L"zeta-BuOH"), u"", "the DLL's file is not read then");

  // The worked example: cis, a line of blanks, trans|tert, an empty line, sec.
  const fs::path inUser = WritePrefixes(userFolder, "cis\r\n   \r\ntrans|tert\r\n\r\nsec\r\n");
  CheckEqual(FormulaInNewThread(L"tert-BuOH"), kItalic4, "the user's folder first");
  CheckEqual(FormulaInNewThread(L"t-BuOH"), u"", "t is not in the user's list");
  CheckEqual(FormulaInNewThread(L"sec-BuOH"), u"", "the list ends at the empty line");
  CheckEqual(FormulaInNewThread(L"eta-BuOH"), u"", "the common file is not read then");

  // A user folder whose name no ANSI code page holds, as the shell reports it.
  const std::wstring wideRoaming =
      L"C:\\users\\\x0395\x03BB\x03AD\x03BD\x03B7 \x30C7\x30FC\x30BF\\AppData\\Roaming";
  wchar_t saved[1024] = {};
  DWORD bytes = sizeof saved;
  RegGetValueW(HKEY_CURRENT_USER, kUserShellFolders, L"AppData", RRF_RT_ANY | RRF_NOEXPAND, nullptr,
               saved, &bytes);
  RegSetKeyValueW(HKEY_CURRENT_USER, kUserShellFolders, L"AppData", REG_EXPAND_SZ,
                  wideRoaming.c_str(), static_cast<DWORD>((wideRoaming.size() + 1) * 2));
  if (Check(ShellFolder(CSIDL_APPDATA).wstring() == wideRoaming,
            "the shell reports the user folder with the wide name")) {
    const fs::path inWide =
        WritePrefixes(fs::path(wideRoaming) / L"Mirandel" / L"Glyphwright", "theta\r\n");
    CheckEqual(FormulaInNewThread(L"theta-BuOH"), Lines({u"=0", u"=5", u"Italic"}),
               "a prefix file under a user name outside the ANSI code page");
    std::error_code ignored;
    fs::remove_all(fs::path(L"C:\\users\\\x0395\x03BB\x03AD\x03BD\x03B7 \x30C7\x30FC\x30BF"),
                   ignored);
  }
  RegSetKeyValueW(HKEY_CURRENT_USER, kUserShellFolders, L"AppData", REG_EXPAND_SZ, saved,
                  static_cast<DWORD>((wcslen(saved) + 1) * 2));

  std::error_code ignored;
  fs::remove(inUser, ignored);
  fs::remove(inCommon, ignored);
  fs::remove(inComponent, ignored);
  CheckEqual(FormulaInNewThread(L"t-BuOH"), kItalicT, "the files removed: the built-in list");
}

}  // namespace client
