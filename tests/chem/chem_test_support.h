// Helpers of the chemistry tests: scripts written as lists of lines, texts in UTF-8, temporary
// folders and environment variables that are put back afterwards.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/lib.h"

namespace glyphwright::testing {

// The script of these lines, each ended by LF.
std::string Lines(std::initializer_list<std::string_view> lines);
std::string Lines(const std::vector<std::string>& lines);

std::u16string U16(std::string_view utf8);
std::string U8(std::u16string_view text);

// The code array a public query scans: the text folded, with one blank appended.
CodeArray Prepared(std::string_view utf8);

// A fresh empty folder, removed with everything in it at the end of the scope.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Writes bytes to a file below the folder, making the folders between.
  std::filesystem::path Write(const std::filesystem::path& relative, std::string_view bytes) const;

 private:
  std::filesystem::path path_;
};

// Sets (or, with nullopt, removes) an environment variable until the end of the scope.
class ScopedEnvironment {
 public:
  ScopedEnvironment(std::string name, std::optional<std::string> value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_;
  std::optional<std::string> saved_;
};

}  // namespace glyphwright::testing
