// glyphwright-apidoc: writes the class reference pages, or checks that the committed ones are
// what the member tables say.
//   glyphwright-apidoc --write DIR   (re)writes DIR/README.md and DIR/<Class>.md
//   glyphwright-apidoc --check DIR   exit 1 and name the stale pages when any differs
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "component/api_reference.h"
#include "component/class_registry.h"
#include "text/utf8.h"

namespace {

using glyphwright::ApiReferenceIndex;
using glyphwright::ApiReferencePage;
using glyphwright::ClassInfo;
using glyphwright::PublicClasses;
using glyphwright::Utf16ToUtf8;

std::vector<std::pair<std::string, std::string>> Pages() {
  std::vector<std::pair<std::string, std::string>> pages = {{"README.md", ApiReferenceIndex()}};
  for (const ClassInfo& info : PublicClasses()) {
    pages.emplace_back(Utf16ToUtf8(info.name) + ".md", ApiReferencePage(info));
  }
  return pages;
}

std::string Read(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc == 3 ? argv[1] : "";
  if (mode != "--write" && mode != "--check") {
    std::cerr << "usage: glyphwright-apidoc --write|--check DIR\n";
    return 2;
  }
  const std::filesystem::path dir = argv[2];
  if (mode == "--write") {
    std::filesystem::create_directories(dir);
    for (const auto& [name, text] : Pages()) {
      std::ofstream(dir / name, std::ios::binary) << text;
    }
    return 0;
  }
  bool stale = false;
  std::vector<std::string> expected;
  for (const auto& [name, text] : Pages()) {
    expected.push_back(name);
    if (Read(dir / name) != text) {
      std::cerr << (dir / name).string() << " differs from the member tables\n";
      stale = true;
    }
  }
  if (std::filesystem::is_directory(dir)) {
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
      const std::string name = entry.path().filename().string();
      if (std::find(expected.begin(), expected.end(), name) == expected.end()) {
        std::cerr << entry.path().string() << " belongs to no public class\n";
        stale = true;
      }
    }
  }
  if (stale) {
    std::cerr << "regenerate with: " << argv[0] << " --write " << dir.string() << "\n";
    return 1;
  }
  return 0;
}
