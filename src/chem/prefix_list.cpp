#include "chem/prefix_list.h"

#include <filesystem>
#include <optional>

#include "chem/keyword_file.h"

namespace glyphwright {
namespace {

// The path of FileName in one place, when a file is there. A folder that is not absolute is no
// place: it would make the search depend on the working directory.
std::optional<std::filesystem::path> FileIn(const std::filesystem::path& folder,
                                            const std::filesystem::path& relativePath) {
  if (!folder.is_absolute()) return std::nullopt;
  std::filesystem::path path = folder / relativePath;
  if (!KeywordFileExists(path)) return std::nullopt;
  return path;
}

}  // namespace

std::u16string LoadKeywordList(std::u16string_view FileName, std::u16string_view DefaultList,
                               const FolderLookup& folders) {
  const std::filesystem::path fileName{std::u16string(FileName)};
  const std::filesystem::path inAppFolder =
      std::filesystem::path("Mirandel") / "Glyphwright" / fileName;
  // Each folder is asked for only when the places before it had no file.
  std::optional<std::filesystem::path> found = FileIn(folders.UserDataFolder(), inAppFolder);
  if (!found) found = FileIn(folders.CommonDataFolder(), inAppFolder);
  if (!found) found = FileIn(folders.ComponentFolder(), fileName);
  if (!found) return std::u16string(DefaultList);
  return ReadKeywordFile(*found);
}

std::u16string LoadKeywordList(std::u16string_view FileName, std::u16string_view DefaultList) {
  return LoadKeywordList(FileName, DefaultList, *MakePlatformFolderLookup());
}

std::shared_ptr<ChemKeywordsQuery> SharedPrefixQuery() {
  thread_local std::shared_ptr<ChemKeywordsQuery> instance;
  // "" means not loaded yet: a file that gave an empty list is looked for again only if making
  // the shared query failed after all.
  thread_local std::u16string prefixList;
  if (instance) return instance;
  if (prefixList.empty()) prefixList = LoadKeywordList(kPrefixFileName, kDefaultPrefixList);
  auto query = std::make_shared<ChemKeywordsQuery>();
  query->SetKeywords(prefixList);
  instance = query;
  return instance;
}

}  // namespace glyphwright
