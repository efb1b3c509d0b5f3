// The shell's special folders, as the prefix file's search asks for them: the shell first, then
// the folder paths that Explorer keeps in the registry (the key "Shell Folders" under
// HKEY_CURRENT_USER, Software, Microsoft, Windows, CurrentVersion, Explorer). Wide-character calls
// throughout, so a user name outside the ANSI code page gives its real path rather than one with
// question marks.
#pragma once

#include <string>

namespace glyphwright::windows {

// The shell's identifiers of the two application-data folders.
inline constexpr int kUserAppDataFolder = 26;    // CSIDL_APPDATA
inline constexpr int kCommonAppDataFolder = 35;  // CSIDL_COMMON_APPDATA

// Asks the shell for a folder's path (with create, the shell makes the folder when it is
// missing); false when the shell cannot tell.
using ShellFolderQuery = bool (*)(int folderId, bool create, std::wstring& path);
bool AskShell(int folderId, bool create, std::wstring& path);

// The value under Shell Folders that holds a folder's path, or nullptr for a folder it lacks.
const wchar_t* ShellFoldersValueName(int folderId);

// The path of a shell folder. When the shell cannot tell: the common application-data folder
// falls back to the Windows folder, any other folder to its Shell Folders value; a folder without
// a fallback, or with a value that cannot be read, raises error 5 "Fatal on
// GetSpecialFolderName.". The path stops at its first NUL character.
std::wstring GetSpecialFolderName(int FolderId, bool Create, ShellFolderQuery shell = &AskShell);

}  // namespace glyphwright::windows
