// The browser: a page has no folders of the user's, of all users or of its own, so no prefix file
// is ever found and the built-in prefix list is used. An empty path is no place to look in.
#include "chem/folder_lookup.h"

namespace glyphwright {
namespace {

class WebFolderLookup final : public FolderLookup {
 public:
  std::filesystem::path UserDataFolder() const override { return {}; }
  std::filesystem::path CommonDataFolder() const override { return {}; }
  std::filesystem::path ComponentFolder() const override { return {}; }
};

}  // namespace

std::unique_ptr<FolderLookup> MakePlatformFolderLookup() {
  return std::make_unique<WebFolderLookup>();
}

}  // namespace glyphwright
