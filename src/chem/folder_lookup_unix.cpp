// Linux and other Unix: the XDG base directories, and the file this code was loaded from.
#include <dlfcn.h>

#include <cstdlib>
#include <optional>
#include <string_view>
#include <system_error>

#include "chem/folder_lookup.h"

namespace glyphwright {
namespace {

// An absolute path from the environment; unset, empty and relative values do not count (a
// relative folder would make the search depend on the working directory).
std::optional<std::filesystem::path> AbsolutePath(std::string_view text) {
  std::filesystem::path path(text);
  if (text.empty() || !path.is_absolute()) return std::nullopt;
  return path;
}

std::optional<std::filesystem::path> AbsolutePathFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::nullopt : AbsolutePath(value);
}

// Any object of ours will do for asking the loader which file holds the code.
const char kAnchor = 0;

class UnixFolderLookup final : public FolderLookup {
 public:
  std::filesystem::path UserDataFolder() const override {
    if (auto config = AbsolutePathFromEnvironment("XDG_CONFIG_HOME")) return *config;
    if (auto home = AbsolutePathFromEnvironment("HOME")) return *home / ".config";
    throw SpecialFolderError();
  }

  // The first absolute entry of XDG_CONFIG_DIRS, or /etc/xdg.
  std::filesystem::path CommonDataFolder() const override {
    if (const char* dirs = std::getenv("XDG_CONFIG_DIRS")) {
      std::string_view rest(dirs);
      while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        if (auto path = AbsolutePath(rest.substr(0, colon))) return *path;
        if (colon == std::string_view::npos) break;
        rest.remove_prefix(colon + 1);
      }
    }
    return "/etc/xdg";
  }

  std::filesystem::path ComponentFolder() const override {
    Dl_info info{};
    if (dladdr(&kAnchor, &info) != 0 && info.dli_fname != nullptr) {
      if (auto file = AbsolutePath(info.dli_fname)) return file->parent_path();
    }
    // The loader names the main program only as it was started; ask the kernel instead.
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && program.is_absolute()) return program.parent_path();
    return {};
  }
};

}  // namespace

std::unique_ptr<FolderLookup> MakePlatformFolderLookup() {
  return std::make_unique<UnixFolderLookup>();
}

}  // namespace glyphwright
