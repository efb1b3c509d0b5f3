#include "chem/chem_test_support.h"

#include <stdlib.h>

#include <fstream>
#include <stdexcept>

#include "text/prepared_text.h"
#include "text/utf8.h"

namespace glyphwright::testing {

std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string script;
  for (const std::string_view line : lines) script.append(line).push_back('\n');
  return script;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string script;
  for (const std::string& line : lines) script.append(line).push_back('\n');
  return script;
}

std::u16string U16(std::string_view utf8) {
  return Utf8ToUtf16(utf8).value();
}

std::string U8(std::u16string_view text) {
  return Utf16ToUtf8(text);
}

CodeArray Prepared(std::string_view utf8) {
  CodeArray chars;
  PrepareChars(U16(utf8), chars);
  return chars;
}

TempFolder::TempFolder() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "glyphwright-chem-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code error;
  // Folders a test made unreadable must be opened again to be removed.
  for (auto it = std::filesystem::recursive_directory_iterator(
           path_, std::filesystem::directory_options::skip_permission_denied, error);
       !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
  }
  std::filesystem::remove_all(path_, error);
}

std::filesystem::path TempFolder::Write(const std::filesystem::path& relative,
                                        std::string_view bytes) const {
  const std::filesystem::path path = path_ / relative;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

ScopedEnvironment::ScopedEnvironment(std::string name, std::optional<std::string> value)
    : name_(std::move(name)) {
  if (const char* old = getenv(name_.c_str())) saved_ = old;
  if (value) {
    setenv(name_.c_str(), value->c_str(), 1);
  } else {
    unsetenv(name_.c_str());
  }
}

ScopedEnvironment::~ScopedEnvironment() {
  if (saved_) {
    setenv(name_.c_str(), saved_->c_str(), 1);
  } else {
    unsetenv(name_.c_str());
  }
}

}  // namespace glyphwright::testing
