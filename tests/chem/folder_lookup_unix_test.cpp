// The Unix folders: the XDG base directories and the file that holds the code.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "automation/automation_error.h"
#include "chem/chem_test_support.h"
#include "chem/folder_lookup.h"

namespace glyphwright {
namespace {

using testing::ScopedEnvironment;

TEST(UnixFolderLookup, UserFolderFromXdgConfigHome) {
  const ScopedEnvironment config("XDG_CONFIG_HOME", "/tmp/config");
  const ScopedEnvironment home("HOME", "/home/someone");
  EXPECT_EQ(MakePlatformFolderLookup()->UserDataFolder(), "/tmp/config");
}

TEST(UnixFolderLookup, UserFolderFromHomeWhenXdgConfigHomeIsUnsetEmptyOrRelative) {
  const ScopedEnvironment home("HOME", "/home/someone");
  for (const std::optional<std::string>& config :
       {std::optional<std::string>(), std::optional<std::string>(""),
        std::optional<std::string>("relative")}) {
    const ScopedEnvironment environment("XDG_CONFIG_HOME", config);
    EXPECT_EQ(MakePlatformFolderLookup()->UserDataFolder(), "/home/someone/.config");
  }
}

TEST(UnixFolderLookup, NoUserFolderIsError5) {
  const ScopedEnvironment config("XDG_CONFIG_HOME", std::nullopt);
  const ScopedEnvironment home("HOME", std::nullopt);
  try {
    MakePlatformFolderLookup()->UserDataFolder();
    ADD_FAILURE() << "no error";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 5);
    EXPECT_EQ(error.Description(), u"Fatal on GetSpecialFolderName.");
  }
}

TEST(UnixFolderLookup, CommonFolderIsTheFirstAbsoluteEntryOfXdgConfigDirs) {
  {
    const ScopedEnvironment dirs("XDG_CONFIG_DIRS", "/opt/xdg:/etc/xdg");
    EXPECT_EQ(MakePlatformFolderLookup()->CommonDataFolder(), "/opt/xdg");
  }
  {
    const ScopedEnvironment dirs("XDG_CONFIG_DIRS", ":relative:/opt/xdg");
    EXPECT_EQ(MakePlatformFolderLookup()->CommonDataFolder(), "/opt/xdg");
  }
  for (const std::optional<std::string>& dirs :
       {std::optional<std::string>(), std::optional<std::string>(""),
        std::optional<std::string>("relative")}) {
    const ScopedEnvironment environment("XDG_CONFIG_DIRS", dirs);
    EXPECT_EQ(MakePlatformFolderLookup()->CommonDataFolder(), "/etc/xdg");
  }
}

TEST(UnixFolderLookup, ComponentFolderHoldsThisProgram) {
  // The library is linked into the test program, so its folder is the program's.
  EXPECT_EQ(MakePlatformFolderLookup()->ComponentFolder(),
            std::filesystem::read_symlink("/proc/self/exe").parent_path());
}

}  // namespace
}  // namespace glyphwright
