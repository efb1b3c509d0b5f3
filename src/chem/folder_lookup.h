// The three folders the prefix file is looked for in, behind one small interface: each platform
// has its implementation, and tests point one at temporary folders.
#pragma once

#include <filesystem>
#include <memory>

#include "automation/automation_error.h"

namespace glyphwright {

class FolderLookup {
 public:
  virtual ~FolderLookup() = default;

  // The user's own application-data folder. Raises SpecialFolderError() when it cannot be found.
  virtual std::filesystem::path UserDataFolder() const = 0;
  // The application-data folder common to all users. Raises SpecialFolderError() likewise.
  virtual std::filesystem::path CommonDataFolder() const = 0;
  // The folder of the library or program that holds this code; empty when it cannot be found.
  virtual std::filesystem::path ComponentFolder() const = 0;
};

// The lookup of the platform the library was built for. On Unix it never creates a folder; on
// Windows the shell makes a missing application-data folder, as it does for any program.
std::unique_ptr<FolderLookup> MakePlatformFolderLookup();

// Error 5, "Fatal on GetSpecialFolderName.": an application-data folder could not be found.
AutomationError SpecialFolderError();

}  // namespace glyphwright
