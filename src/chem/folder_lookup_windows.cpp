// Windows: the shell's application-data folders (with the registry fallback) and the file this
// code was loaded from, the DLL itself in Quillet.dll.
#include <filesystem>
#include <memory>

#include "chem/folder_lookup.h"
#include "chem/windows_module_file.h"
#include "chem/windows_shell_folders.h"

namespace glyphwright {
namespace {

class WindowsFolderLookup final : public FolderLookup {
 public:
  // The shell is asked to create the folder when it is missing, as it does for an application
  // that keeps its settings there.
  std::filesystem::path UserDataFolder() const override {
    return windows::GetSpecialFolderName(windows::kUserAppDataFolder, true);
  }
  std::filesystem::path CommonDataFolder() const override {
    return windows::GetSpecialFolderName(windows::kCommonAppDataFolder, true);
  }
  std::filesystem::path ComponentFolder() const override {
    const std::filesystem::path file = windows::ModuleFileName(windows::ThisModule());
    return file.empty() ? file : file.parent_path();
  }
};

}  // namespace

std::unique_ptr<FolderLookup> MakePlatformFolderLookup() {
  return std::make_unique<WindowsFolderLookup>();
}

}  // namespace glyphwright
