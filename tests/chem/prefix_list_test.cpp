// Where the prefix list comes from: three folders in order, the built-in list otherwise, read at
// most once per thread.
#include "chem/prefix_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <thread>

#include "automation/automation_error.h"
#include "chem/chem_formula_query.h"
#include "chem/chem_name_query.h"
#include "chem/chem_test_support.h"
#include "chem/folder_lookup.h"
#include "chem/keyword_file.h"

namespace glyphwright {
namespace {

using testing::Lines;
using testing::ScopedEnvironment;
using testing::TempFolder;
using testing::U8;

const std::filesystem::path kInAppFolder = "Mirandel/Glyphwright/prefixes.txt";

// Three temporary folders; a folder set to nullopt fails as a lookup without an answer does.
class TestFolders : public FolderLookup {
 public:
  std::filesystem::path UserDataFolder() const override {
    ++userAsked;
    if (!user) throw SpecialFolderError();
    return *user;
  }
  std::filesystem::path CommonDataFolder() const override {
    ++commonAsked;
    if (!common) throw SpecialFolderError();
    return *common;
  }
  std::filesystem::path ComponentFolder() const override { return component; }

  TempFolder userFolder, commonFolder, componentFolder;
  std::optional<std::filesystem::path> user = userFolder.Path();
  std::optional<std::filesystem::path> common = commonFolder.Path();
  std::filesystem::path component = componentFolder.Path();
  mutable int userAsked = 0;
  mutable int commonAsked = 0;
};

std::string Load(const FolderLookup& folders) {
  return U8(LoadKeywordList(u"prefixes.txt", u"default", folders));
}

TEST(LoadKeywordList, NoFileAnywhereGivesTheDefaultList) {
  const TestFolders folders;
  EXPECT_EQ(Load(folders), "default");
}

TEST(LoadKeywordList, TheUsersFileWins) {
  const TestFolders folders;
  folders.userFolder.Write(kInAppFolder, "user");
  folders.commonFolder.Write(kInAppFolder, "common");
  folders.componentFolder.Write("prefixes.txt", "component");
  EXPECT_EQ(Load(folders), "user");
  // The all-users folder is not even asked for.
  EXPECT_EQ(folders.commonAsked, 0);
}

TEST(LoadKeywordList, TheAllUsersFileComesSecond) {
  const TestFolders folders;
  folders.commonFolder.Write(kInAppFolder, "common");
  folders.componentFolder.Write("prefixes.txt", "component");
  EXPECT_EQ(Load(folders), "common");
}

TEST(LoadKeywordList, TheComponentsFileComesLast) {
  const TestFolders folders;
  folders.componentFolder.Write("prefixes.txt", "component");
  // Not in the application subfolder of the component's folder.
  folders.componentFolder.Write(kInAppFolder, "wrong place");
  EXPECT_EQ(Load(folders), "component");
}

TEST(LoadKeywordList, AFileDirectlyInTheUsersFolderDoesNotCount) {
  const TestFolders folders;
  folders.userFolder.Write("prefixes.txt", "wrong place");
  EXPECT_EQ(Load(folders), "default");
}

TEST(LoadKeywordList, AFolderNamedLikeTheFileIsNoFile) {
  const TestFolders folders;
  std::filesystem::create_directories(folders.userFolder.Path() / kInAppFolder);
  folders.commonFolder.Write(kInAppFolder, "common");
  EXPECT_EQ(Load(folders), "common");
}

TEST(LoadKeywordList, AnEmptyFileGivesAnEmptyList) {
  const TestFolders folders;
  folders.userFolder.Write(kInAppFolder, "\ncis\n");
  folders.commonFolder.Write(kInAppFolder, "common");
  EXPECT_EQ(Load(folders), "");
}

TEST(LoadKeywordList, AFailedFolderLookupEndsTheSearch) {
  TestFolders folders;
  folders.commonFolder.Write(kInAppFolder, "common");
  folders.user = std::nullopt;
  try {
    Load(folders);
    ADD_FAILURE() << "no error";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 5);
    EXPECT_EQ(error.Description(), u"Fatal on GetSpecialFolderName.");
  }
  EXPECT_EQ(folders.commonAsked, 0);
}

TEST(LoadKeywordList, AFolderThatIsNotAbsoluteIsSkipped) {
  TestFolders folders;
  folders.component = "";
  EXPECT_EQ(Load(folders), "default");
  folders.component = "relative/folder";
  EXPECT_EQ(Load(folders), "default");
}

TEST(LoadKeywordList, AFileThatCannotBeReadIsAnErrorNotTheNextPlace) {
  const TestFolders folders;
  folders.userFolder.Write(kInAppFolder, std::string(kMaxKeywordFileBytes + 1, 'x'));
  folders.commonFolder.Write(kInAppFolder, "common");
  EXPECT_THROW(Load(folders), AutomationError);
}

// SharedPrefixQuery reads the platform's folders; each test runs it in a fresh thread, where the
// thread's list is not loaded yet.
template <class Body>
void InFreshThread(Body body) {
  std::thread(body).join();
}

TEST(SharedPrefixQuery, WorkedExampleWithoutAnyFile) {
  InFreshThread([] {
    ChemFormulaQuery query;
    EXPECT_EQ(U8(query.GetCommands(u"t-BuOH")), Lines({"=0", "=1", "Italic"}));
  });
}

TEST(SharedPrefixQuery, WorkedExampleWithAFileInTheUsersFolder) {
  const TempFolder config;
  config.Write(kInAppFolder, "cis\n   \ntrans|tert\n\nsec\n");
  const ScopedEnvironment environment("XDG_CONFIG_HOME", config.Path().string());
  InFreshThread([] {
    ChemFormulaQuery query;
    EXPECT_EQ(query.GetCommands(u"t-BuOH"), u"");
    EXPECT_EQ(U8(query.GetCommands(u"cis trans tert sec")),
              Lines({"=0", "=3", "Italic", "=4", "=5", "Italic", "=10", "=4", "Italic"}));
  });
}

TEST(SharedPrefixQuery, HomeConfigWhenXdgConfigHomeIsUnset) {
  const TempFolder home;
  home.Write(".config" / kInAppFolder, "ortho");
  const ScopedEnvironment config("XDG_CONFIG_HOME", std::nullopt);
  const ScopedEnvironment environment("HOME", home.Path().string());
  InFreshThread([] {
    EXPECT_EQ(U8(SharedPrefixQuery()->GetCommands(u"ortho ")), Lines({"=0", "=5", "Italic"}));
  });
}

TEST(SharedPrefixQuery, TheAllUsersFolderFromXdgConfigDirs) {
  const TempFolder common;
  common.Write(kInAppFolder, "ortho");
  const ScopedEnvironment environment("XDG_CONFIG_DIRS",
                                      "relative:" + common.Path().string() + ":/etc/xdg");
  InFreshThread([] {
    EXPECT_EQ(U8(SharedPrefixQuery()->GetCommands(u"ortho ")), Lines({"=0", "=5", "Italic"}));
  });
}

TEST(SharedPrefixQuery, TheFileIsReadOncePerThread) {
  const TempFolder config;
  const auto path = config.Write(kInAppFolder, "ortho");
  const ScopedEnvironment environment("XDG_CONFIG_HOME", config.Path().string());
  InFreshThread([&] {
    EXPECT_EQ(U8(SharedPrefixQuery()->GetCommands(u"ortho meta ")), Lines({"=0", "=5", "Italic"}));
    config.Write(kInAppFolder, "meta");
    EXPECT_EQ(U8(SharedPrefixQuery()->GetCommands(u"ortho meta ")), Lines({"=0", "=5", "Italic"}));
  });
  // Another thread reads the file as it is now.
  InFreshThread([] {
    EXPECT_EQ(U8(SharedPrefixQuery()->GetCommands(u"ortho meta ")), Lines({"=6", "=4", "Italic"}));
  });
}

void ExpectFolderError(const std::function<void()>& call) {
  try {
    call();
    ADD_FAILURE() << "no error";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 5);
    EXPECT_EQ(error.Description(), u"Fatal on GetSpecialFolderName.");
  }
}

TEST(SharedPrefixQuery, NoUserFolderIsError5AndTheNextCallTriesAgain) {
  const TempFolder home;
  home.Write(".config" / kInAppFolder, "ortho");
  std::optional<ScopedEnvironment> noConfig(std::in_place, "XDG_CONFIG_HOME", std::nullopt);
  std::optional<ScopedEnvironment> noHome(std::in_place, "HOME", std::nullopt);
  InFreshThread([&] {
    ExpectFolderError([] { SharedPrefixQuery(); });
    ChemFormulaQuery formula;
    ChemNameQuery name;
    name.SetItalicCommand(u"Bold");
    ExpectFolderError([&] { formula.GetCommands(u"o-Me"); });
    ExpectFolderError([&] { name.GetCommands(u"o-Me"); });
    // Once a folder can be found, the same objects fetch everything again.
    noHome.emplace("HOME", home.Path().string());
    EXPECT_EQ(U8(formula.GetCommands(u"ortho-N")), Lines({"=0", "=5", "Italic"}));
    EXPECT_EQ(U8(name.GetCommands(u"ortho-N")), Lines({"=0", "=5", "Bold", "=6", "=1", "Bold"}));
  });
}

}  // namespace
}  // namespace glyphwright
