// Every chemistry test program starts with both application-data folders pointing at empty
// temporary folders, so a prefixes.txt of the machine or the user never changes a result.
#include <stdlib.h>

#include <filesystem>
#include <string>

namespace {

std::string EmptyFolder() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "glyphwright-chem-env-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) abort();
  return pattern;
}

struct HermeticFolders {
  HermeticFolders() : user(EmptyFolder()), common(EmptyFolder()) {
    setenv("XDG_CONFIG_HOME", user.c_str(), 1);
    setenv("XDG_CONFIG_DIRS", common.c_str(), 1);
  }
  ~HermeticFolders() {
    std::error_code error;
    std::filesystem::remove_all(user, error);
    std::filesystem::remove_all(common, error);
  }
  std::string user;
  std::string common;
};

const HermeticFolders kHermeticFolders;

}  // namespace
